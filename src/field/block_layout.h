#pragma once

#include <span>
#include <vector>

#include "core/geometry.h"

namespace tessary {

class ElementSet;
struct Field;
struct Viewport;

/// The part of the field the view shows, in field coordinates.
Rect VisibleFieldArea(const Viewport& v);

/// One element of every block, in the order of the block's topmost member in zOrder.
std::vector<int> BlocksTopDown(const ElementSet& set);

/// The union of the bitmap squares of the element's block.
Rect BlockBox(const ElementSet& set, int index);

/// Moves the blocks of `blocks` (one element of each) into the visible part of the field by
/// LayOutWithoutOverlap, in that order, clear of the bitmap squares of the blocks of
/// `obstacles` where room allows. Draws nothing.
void LayOutBlocksInView(Field& field, std::span<const int> blocks, std::span<const int> obstacles);

}  // namespace tessary
