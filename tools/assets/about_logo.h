#pragma once

#include "rgba_image.h"

namespace tessary::assets {

/// The logo of the About page, 128 x 128: four interlocking pieces in red, yellow, green and
/// blue, cut by the game's outline code; transparent around them, so any band shows through.
RgbaImage MakeAboutLogo();

/// The background of the About page, 1024 x 1: the grey (#D9D9D9) band of the page's left
/// column, 148 pixels wide, then transparent. The page tiles it downwards, so the band runs the
/// full height of the window whatever the text beside it.
RgbaImage MakeAboutBand();

}  // namespace tessary::assets
