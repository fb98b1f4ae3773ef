#pragma once

#include <cstdint>
#include <map>

#include "core/bitmap32.h"

namespace tessary {

struct Field;

/// The images of the elements the pointer carries, rendered the first time they are drawn and
/// kept while the same element stays held; resting elements have none, they are drawn into
/// the field picture straight from the picture.
class CarriedImageCache {
public:
    /// The image of element `index` as it now lies, for the element `field` holds.
    const Bitmap32& imageOf(const Field& field, int index);

    /// Lets go of every image (the holding ended).
    void clear();

private:
    struct Entry {
        Bitmap32 image;
        int rotation = 0;
        std::uint32_t contourPixel = 0;
    };

    int heldElement_ = -1;
    std::map<int, Entry> entries_;  // by element index; entries keep their place on insertion
};

}  // namespace tessary
