#pragma once

#include <array>

#include "picture/picture_buffer.h"

namespace tessary {

/// The picture turned a quarter turn counter-clockwise, as seen on screen: the pixel at
/// (x, y) lands at (y, width - 1 - x), so the top edge becomes the left edge. The result
/// has the same depth, colour table and masks, rows bottom-up. Empty when the source is
/// empty or memory runs out.
PictureBuffer RotatePictureQuarter(const PictureBuffer& source);

/// The picture turned by one, two and three quarter turns counter-clockwise (R90, R180,
/// R270).
using TurnedPictures = std::array<PictureBuffer, 3>;

/// Fills `turned` with R90, R180 and R270 of `picture`, each turned from the one before.
/// The first failure stops it and returns false; the copies built before it stay.
bool BuildRotatedPictures(const PictureBuffer& picture, TurnedPictures& turned);

}  // namespace tessary
