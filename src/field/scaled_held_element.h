#pragma once

#include "core/bitmap32.h"
#include "core/geometry.h"
#include "field/zoom_scale.h"

namespace tessary {

struct Field;

/// The held element as the overview shows it: the scaled pixels over it, made from the field
/// picture with the element's image on top through its region (the field picture lacks it
/// while it is carried). `area` is in scaled pixels; both are empty when nothing is held.
struct ScaledPatch {
    Rect area;
    Bitmap32 pixels;  // area's size
};
ScaledPatch ScaleDownHeldElement(const Field& field, ZoomScale scale);

}  // namespace tessary
