#pragma once

#include "rgba_image.h"

namespace tessary::assets {

/// The 160 x 160 picture of the completion window: a gold star over a sun burst, with a
/// few sparkles; transparent outside the burst.
RgbaImage MakeCompletionPicture();

}  // namespace tessary::assets
