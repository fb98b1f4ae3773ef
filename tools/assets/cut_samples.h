#pragma once

#include <array>

#include "rgba_image.h"

namespace tessary::assets {

/// The seven illustrations of the cut dialog, index 0..6 (resources 501..507): grey pieces
/// on a transparent ground, cut with the options each index stands for:
///   0 knobs with offsets, 1 knobs, 2 mosaic with offsets, 3 mosaic, 4 mosaic on a square
///   base (plain squares), 5 knobs on a square base with offsets, 6 knobs on a square base.
/// Greys only, so that the dialog can tint them to the desktop's colours.
std::array<RgbaImage, 7> MakeCutSamples();

}  // namespace tessary::assets
