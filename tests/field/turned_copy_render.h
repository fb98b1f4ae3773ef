#pragma once

#include <cstdint>

#include "core/bitmap32.h"
#include "core/element.h"
#include "core/element_set.h"
#include "picture/picture_buffer.h"
#include "picture/rotate_picture.h"

namespace tessary {

/// The image element `e` of `set` gets when it is rendered from a turned copy of the picture,
/// built beforehand by RotatePictureQuarter: that copy (`upright` itself at rotation 0) read as
/// it stands, at the place the turn moved the element's cell to, as an element at rotation 0 of
/// the turned picture's grid with the same shape.
Bitmap32 ImageFromTurnedCopy(const Element& e, const ElementSet& set, const PictureBuffer& upright,
                             const TurnedPictures& turned, std::uint32_t contourPixel);

}  // namespace tessary
