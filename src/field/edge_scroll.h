#pragma once

#include "core/geometry.h"

namespace tessary {

struct Field;

/// One step of scrolling by resting the pointer near an edge of the client area, for a mouse
/// move with `keyState` at client point `client`. Needs elements, no capture rectangle being
/// chosen, a key state that neither drags nor detaches, enableMouseScroll and some room to
/// scroll. Within mouseScrollArea of an edge the origin moves mouseScrollSpeed towards it on
/// each axis (both screen pixels, whatever the zoom), and the client area is repainted at once.
/// Returns whether the origin moved: the window then calls again, at its own pace, while the
/// pointer rests and no input waits.
bool EdgeScrollStep(Field& field, int keyState, Point client);

/// One step of scrolling while a piece is carried, with the player's scrollWhileCarrying, for
/// the pointer at client point `client`: within mouseScrollArea of an edge, or beyond it (the
/// mouse is captured), the origin moves mouseScrollSpeed towards that edge on each axis, as far
/// as the field reaches. Only the origin changes: the drag step moves the carried piece along
/// and repaints. Returns whether the origin moved.
bool CarryScrollStep(Field& field, Point client);

}  // namespace tessary
