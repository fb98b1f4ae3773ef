#pragma once

#include <cstdint>

#include "core/bitmap32.h"
#include "core/game_settings.h"
#include "core/geometry.h"
#include "field/field.h"
#include "field/region_blit.h"
#include "field/turned_row_source.h"

namespace tessary {

class ElementSet;
class PictureBuffer;
class Region;
struct Element;

/// The pixel value of the 3D edge colour of the settings.
inline std::uint32_t ContourPixel(const GameSettings& settings) {
    return PixelOfColourRef(static_cast<std::uint32_t>(settings.contourColor3D));
}

/// The pixels of an element's bitmapSide square as it now lies, read straight from the upright
/// `picture`: the picture turned to the element's rotation, at the element's place in that
/// turned picture, through `outline`; `contourPixel` everywhere else, and where the turned
/// picture holds nothing. Must not outlive the element, the set or the picture.
class ElementPixels final : public RowPixels {
public:
    ElementPixels(const Element& element, const ElementSet& set, const PictureBuffer& picture,
                  std::uint32_t contourPixel);

    /// The side of the square: the set's bitmapSide.
    int side() const { return side_; }

    /// Writes pixels [left, right) of bitmap row y; 0 <= left <= right <= side, 0 <= y < side.
    void readRow(int y, int left, int right, std::uint32_t* out) const override;

private:
    const Region& outline_;
    TurnedRowSource reader_;
    std::uint32_t contourPixel_;
    int side_;
    Point shift_;  // bitmap pixel (x, y) shows turned picture pixel (x + shift.x, y + shift.y)
    Rect copied_;  // the bitmap pixels the turned picture holds, within the image rectangle
};

/// The element's image: its ElementPixels as a bitmapSide square.
Bitmap32 RenderElementImage(const Element& element, const ElementSet& set,
                            const PictureBuffer& picture, std::uint32_t contourPixel);

}  // namespace tessary
