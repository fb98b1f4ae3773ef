#pragma once

#include "core/geometry.h"
#include "field/zoom_scale.h"

namespace tessary {

struct Field;

/// The field size for a grid of elements: the grid of bitmapSide squares plus the window
/// frame's overhead and a margin of 50, never smaller than the screen.
Point FieldSizeForGrid(const Field& field, int columns, int rows, int bitmapSide);

/// Takes a new field size: the field picture is recreated (unpainted), the view returns to
/// 100 %, the scroll limits follow from the client size and the origin returns to (0, 0). The
/// caller redraws the field.
void SetFieldSize(Field& field, int width, int height);

/// The window's client area took a new size (screen pixels). A zoomed view that showed the
/// whole field, or that is now smaller than the whole field, becomes the whole field at the new
/// size. While elements exist the origin keeps its relative place in the field, rounded half
/// away from zero; otherwise limits and origin stay.
void ChangeClientSize(Field& field, int width, int height);

/// The display took a new mode. A new screen size grows the field (never shrinks it under a
/// game; without elements the field becomes the screen), recreates and redraws the field
/// picture and resets the origin. Returns whether the colour depth changed.
bool ChangeDisplayMode(Field& field, int bitsPerPixel, int width, int height);

/// Shows the field at `zoom`, keeping the field point under screen pixel `anchor` (of the
/// client area) where it is as far as the scroll limits allow; the client area is invalidated.
/// Nothing changes when the field is shown at that scale already.
void SetZoom(Field& field, ZoomScale zoom, Point anchor);

/// Recomputes the held element's clip in client coordinates after the origin moved.
void RefreshDragRegion(Field& field);

}  // namespace tessary
