#pragma once

namespace tessary {

struct Field;

/// Restacks without moving anything: single elements on top, then the blocks of two, and so
/// on, the largest block at the bottom; blocks of equal size keep their order. With the
/// player's layout without overlap on, every single element lying in the view is then laid out
/// there in its new stacking order, clear of the blocks in the view. Redraws the field. Nothing
/// without elements.
void ArrangeElements(Field& field);

/// Moves every element and block whose bitmap squares stick out of the visible part of the
/// field back into it (a block larger than the view ends at the view's left or top edge), then
/// redraws the field. With the player's layout without overlap on they are laid out in the view
/// instead, bottom of the stack first, clear of the ones that stay. Nothing without elements.
void ShowAllElements(Field& field);

}  // namespace tessary
