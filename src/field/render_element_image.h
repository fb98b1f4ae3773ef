#pragma once

#include <cstdint>

#include "core/game_settings.h"
#include "field/field.h"

namespace tessary {

class ElementSet;
struct Element;

/// The pixel value of the 3D edge colour of the settings.
inline std::uint32_t ContourPixel(const GameSettings& settings) {
    return PixelOfColourRef(static_cast<std::uint32_t>(settings.contourColor3D));
}

/// Renders the element's image for its current rotation: the bitmapSide square (allocated the
/// first time and reused while its size stays) is filled with `contourPixel`, then the picture
/// part is copied through `outline` from pictures[rotation] at the element's place in that
/// turned picture. Pixels the turned picture does not hold keep the contour colour. Returns
/// false, leaving the image as it was, when that picture is missing.
bool RenderElementImage(Element& element, const ElementSet& set, const RenderSource& pictures,
                        std::uint32_t contourPixel);

}  // namespace tessary
