#pragma once

#include "core/geometry.h"

namespace tessary {

class Bitmap32;
struct Field;

/// What the player sees in `area` (client coordinates) of the client area: the field picture
/// at the scroll offset, and what the pointer carries on top (CarriedImages). `out`
/// is the whole client area (resized to it when it is not); only `area` is written, and
/// client pixels beyond the field are left alone.
void ComposeClientArea(const Field& field, Bitmap32& out, Rect area);

}  // namespace tessary
