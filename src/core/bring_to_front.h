#pragma once

namespace tessary {

class ElementSet;

/// Raises the element's block to the top of zOrder: its members in descending index order
/// (the highest index topmost), every other element keeping its order below them.
void BringToFront(ElementSet& set, int index);

}  // namespace tessary
