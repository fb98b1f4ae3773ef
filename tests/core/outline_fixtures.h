#pragma once

#include "core/outline.h"

namespace tessary {

/// The outline geometry of a game cut at element size S with contour thickness T (0: no 3D
/// edge), derived the way element creation derives it.
OutlineGeometry MakeGeometry(int S, int T, bool mosaic, bool squareBase);

}  // namespace tessary
