#pragma once

namespace tessary {

class ElementSet;

/// Turns an element on its own, all but the picture: `turn` is +1 (a quarter turn clockwise),
/// -1 (counter-clockwise), 2 (a half turn) or 0. The knob and shift tables and the rotation
/// turn, the outlines and the image rectangle are rebuilt, and the element is detached from its
/// block. The caller then renders `image` for the new rotation and rebuilds the field region.
void ReorientElementShape(ElementSet& set, int index, int turn);

}  // namespace tessary
