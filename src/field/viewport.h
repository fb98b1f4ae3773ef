#pragma once

#include "core/geometry.h"

namespace tessary {

struct Field;

/// The field size for a grid of elements: the grid of bitmapSide squares plus the window
/// frame's overhead and a margin of 50, never smaller than the screen.
Point FieldSizeForGrid(const Field& field, int columns, int rows, int bitmapSide);

/// Takes a new field size: the field picture is recreated (unpainted), the scroll limits follow
/// from the client size and the origin returns to (0, 0). The caller redraws the field.
void SetFieldSize(Field& field, int width, int height);

/// The window's client area took a new size. While elements exist the origin keeps its
/// relative place in the field, rounded half away from zero; otherwise limits and origin stay.
void ChangeClientSize(Field& field, int width, int height);

/// The display took a new mode. A new screen size grows the field (never shrinks it under a
/// game; without elements the field becomes the screen), recreates and redraws the field
/// picture and resets the origin. Returns whether the colour depth changed.
bool ChangeDisplayMode(Field& field, int bitsPerPixel, int width, int height);

/// Recomputes the held element's clip in client coordinates after the origin moved.
void RefreshDragRegion(Field& field);

}  // namespace tessary
