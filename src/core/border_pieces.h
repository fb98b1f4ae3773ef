#pragma once

#include <vector>

namespace tessary {

class ElementSet;

/// The elements lying alone that were cut from the picture's first or last row or column,
/// however they are turned now: the corners first, then the others, each in index order.
std::vector<int> LooseBorderPieces(const ElementSet& set);

}  // namespace tessary
