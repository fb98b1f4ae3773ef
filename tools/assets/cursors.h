#pragma once

#include <vector>

#include "rgba_image.h"

namespace tessary::assets {

/// A 32 x 32 cursor picture with its hot spot (the pixel that is the pointer's position).
struct CursorPicture {
    const char* name = "";
    RgbaImage image;
    int hotX = 0;
    int hotY = 0;
};

/// The game's four cursors: "busy" (hourglass), "capture" (cross hair), "hint" (hand
/// pointing up) and "no_hint" (the hand with a red no-entry sign).
std::vector<CursorPicture> MakeCursors();

}  // namespace tessary::assets
