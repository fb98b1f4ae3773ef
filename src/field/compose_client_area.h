#pragma once

#include "core/geometry.h"

namespace tessary {

class Bitmap32;
class ScaledFieldCopy;
struct Field;

/// What the player sees in `area` (screen pixels) of the client area: the field picture at the
/// scroll offset, scaled by the viewport's zoom, and what the pointer carries on top (CarriedImages). At a zoom other than 100 % the scaled pixels come from `scaled`, a copy of
/// this field's picture at that zoom, and what is carried is composed with the field pixels
/// under it before it is scaled, so that it looks as it will once put down. `out` is the whole
/// client area in screen pixels (resized to it when it is not); only `area` is written, and
/// client pixels beyond the field are left alone.
void ComposeClientArea(const Field& field, Bitmap32& out, Rect area,
                       ScaledFieldCopy* scaled = nullptr);

}  // namespace tessary
