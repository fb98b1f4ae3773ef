#pragma once

#include "core/bitmap32.h"
#include "core/geometry.h"
#include "field/zoom_scale.h"

namespace tessary {

struct Field;

/// Scaled pixels of a part of the field, to be drawn over a scaled copy of the field picture.
struct ScaledPatch {
    Rect area;        // scaled pixels
    Bitmap32 pixels;  // area's size
};

/// What the pointer carries as a view at `scale` shows it, within `within` (scaled pixels):
/// the scaled pixels it touches, made from the field picture with the carried images
/// (CarriedImages) drawn over it, so that it looks as it will once put down. Empty when
/// nothing is carried there.
ScaledPatch ScaleDownCarried(const Field& field, ZoomScale scale, const Rect& within);

}  // namespace tessary
