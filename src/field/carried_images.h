#pragma once

#include <vector>

#include "core/bitmap32.h"
#include "core/geometry.h"
#include "core/region.h"

namespace tessary {

struct Field;

/// One image the pointer carries, placed as the client area shows it.
struct CarriedImage {
    const Bitmap32* image = nullptr;  // the element's image, kept while it is carried
    Point origin;                     // the image's top-left corner, client coordinates
    Region clip;                      // the pixels it covers, client coordinates
};

/// What the pointer carries, to be drawn over the field picture in this order (later ones on
/// top): the held element through its drag region; with showWholeBlock, once a carried block
/// has been lifted, its other members too, in the order a drop draws them, so that the block
/// looks as it will when put down. Empty while nothing is held.
std::vector<CarriedImage> CarriedImages(const Field& field);

}  // namespace tessary
