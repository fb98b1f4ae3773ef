#pragma once

#include "core/geometry.h"

namespace tessary {

/// The preview window's size for a picture: the longer side of the picture (the width when
/// they are equal) as large as the picture but at most a third of the screen's, the other side
/// in proportion, truncated; never smaller than 1 x 1.
Point PreviewSizeFor(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);

/// The preview window's height after a cut: its current width in the picture's proportion,
/// rounded half away from zero; never smaller than 1.
int PreviewHeightAfterCut(int previewWidth, int pictureWidth, int pictureHeight);

}  // namespace tessary
