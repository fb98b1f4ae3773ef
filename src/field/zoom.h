#pragma once

#include <vector>

#include "core/geometry.h"
#include "field/zoom_scale.h"

namespace tessary {

struct Field;
struct Viewport;

/// The scales the player steps through, largest first: the fixed levels larger than the scale
/// at which the whole field fits the client area, then that scale itself ("the whole table").
/// Only 100 % when the whole field fits at 100 %.
std::vector<ZoomScale> ZoomSteps(const Viewport& view);

/// Whether a step larger (smaller) than the current scale exists.
bool CanZoomIn(const Viewport& view);
bool CanZoomOut(const Viewport& view);

/// One step larger (smaller) than the current scale, keeping the field point under screen
/// pixel `anchor` in place (SetZoom). Returns whether the scale changed.
bool ZoomIn(Field& field, Point anchor);
bool ZoomOut(Field& field, Point anchor);

/// The screen pixel at the centre of the client area: the anchor of the keys and commands.
Point ScreenCentre(const Viewport& view);

}  // namespace tessary
