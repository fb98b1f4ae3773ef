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
/// part is copied through `outline` from the picture turned to the element's rotation, at the
/// element's place in that turned picture: from the turned copy where it was built, else read
/// from the upright picture through the turn. Pixels the turned picture does not hold keep the
/// contour colour.
void RenderElementImage(Element& element, const ElementSet& set, const RenderSource& pictures,
                        std::uint32_t contourPixel);

/// Renders the image of element `index` of the field's game with the settings' contour colour.
/// The field holds the game's picture whenever it holds elements; elements without it are a
/// broken invariant and throw std::logic_error rather than show a wrong picture.
void RenderElementImage(Field& field, int index);

}  // namespace tessary
