#pragma once

#include "core/completion.h"
#include "core/geometry.h"

namespace tessary {

struct Field;

/// The topmost element whose field region holds the field point, or -1 (also without elements).
int HitTest(const Field& field, Point fieldPoint);

/// A press with `keyState` at the pointer's position: takes the element under it. An element
/// alone is lifted at once; with a detach chord the element is pulled out of its block and
/// lifted; otherwise its whole block is taken and lifted on the first drag step. The taken
/// element (its block) comes to the front; the mouse is captured and the pointer hidden.
/// Nothing while an element is already held.
void PickElement(Field& field, int keyState);

/// A mouse move to client point `client` with `keyState`. With the drag chord the held element
/// carries its block and may snap; with a detach chord a held element alone follows the mouse
/// without snapping. The element's core square stops at the edges of the client area in the
/// direction of motion; with the player's scrollWhileCarrying, a pointer in an edge strip
/// scrolls the view on and the element keeps its place under the pointer (the client area is
/// then repainted at once). With showWholeBlock the carried mates are invalidated old and new,
/// for they are shown following the pointer. Any other key state edge-scrolls (when enabled) and
/// leaves the held element where it is, also when edge scrolling is off, so that a held block never
/// comes apart from its carried mates. A snap ends the drag and draws the grown block; the reaction
/// to the joins is returned (`isMarkedComplete`: the game was already completed).
JoinReaction DragStep(Field& field, int keyState, Point client, bool isMarkedComplete);

/// The button is released: the held element and its block mates are drawn where they lie.
/// No join is tested.
void ReleaseElement(Field& field);

/// Lets go of the held element without drawing it: the mouse is released, nothing is held and
/// the pointer shows again. For the end of a drag, and for a game that goes away.
void EndHolding(Field& field);

}  // namespace tessary
