#pragma once

#include <vector>

#include "core/geometry.h"
#include "field/zoom_scale.h"

namespace tessary {

struct Field;
struct Viewport;

/// The scales the player steps through, largest first: the fixed levels and, in its place among
/// them, the scale at which the whole field fits the client area ("the whole table"; 100 % when
/// the field fits at 100 %). Below the whole table the field lies in the client area's top-left
/// corner with black beside it.
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
