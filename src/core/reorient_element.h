#pragma once

namespace tessary {

class ElementSet;
struct Element;
struct OutlineGeometry;

/// Turns an element's shape by `turn`: +1 (a quarter turn clockwise), -1 (counter-clockwise),
/// 2 (a half turn) or 0. The knob and shift tables and the rotation turn, the outlines and the
/// image rectangle are rebuilt. Links, place, image and field region are the caller's.
void TurnElementShape(Element& e, int turn, const OutlineGeometry& g);

/// Turns an element on its own, all but the picture: its shape turns (TurnElementShape) and it
/// is detached from its block. The caller then renders `image` for the new rotation and
/// rebuilds the field region.
void ReorientElementShape(ElementSet& set, int index, int turn);

}  // namespace tessary
