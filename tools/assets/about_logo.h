#pragma once

#include "rgba_image.h"

namespace tessary::assets {

/// The logo of the About page, 128 x 128: four interlocking pieces in red, yellow, green and
/// blue, cut by the game's outline code; transparent around them, so any band shows through.
RgbaImage MakeAboutLogo();

}  // namespace tessary::assets
