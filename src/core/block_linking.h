#pragma once

namespace tessary {

class ElementSet;

/// Whether moving the mover's block by (dx, dy) leaves every member of it off the cells that
/// the members of the target's block occupy (core squares compared by their top-left corners).
/// Always true when both are already one block.
bool CanJoin(const ElementSet& set, int mover, int target, int dx, int dy);

/// Links every abutting pair of a member of a's block and a member of b's block whose facing
/// sides are both free and carry opposite knobs and opposite shifts (two straight sides count
/// as opposite), recomputing the field regions of both.
void LinkAdjacentPairs(ElementSet& set, int a, int b);

}  // namespace tessary
