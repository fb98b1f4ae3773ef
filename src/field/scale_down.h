#pragma once

#include "core/geometry.h"
#include "field/zoom_scale.h"

namespace tessary {

class Bitmap32;

/// Writes the scaled pixels of `scaledArea` into `out`, scaled pixel (x, y) at
/// `at + (x, y) - scaledArea's corner`. Each is the average of the field pixels it covers,
/// weighted by how much of each it covers, per channel, rounded to nearest; a scaled pixel at
/// the field's right or bottom edge averages only the field pixels that exist. `source` holds
/// field pixels from field point `sourceOrigin` on, and must hold every field pixel within
/// `fieldSize` that the area reads (scale.fieldCover). Parts of the area outside the scaled
/// field, or outside `out`, are left alone.
void ScaleDownArea(const Bitmap32& source, Point sourceOrigin, Point fieldSize, ZoomScale scale,
                   const Rect& scaledArea, Bitmap32& out, Point at);

}  // namespace tessary
