#pragma once

#include "rgba_image.h"

namespace tessary::assets {

/// The program's icon at `size` x `size` pixels: one amber jigsaw piece with two tabs and two
/// blanks and a raised edge, drawn with the game's outline code; transparent around it.
RgbaImage MakeProgramIcon(int size);

/// The 15 x 15 size grip of the picture preview window: three diagonal rows of raised dots
/// in the bottom-right corner, transparent elsewhere.
RgbaImage MakeGripIcon();

}  // namespace tessary::assets
