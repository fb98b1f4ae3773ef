#pragma once

namespace tessary {

struct Field;

/// Brings every border piece lying alone into the visible part of the field, laid out without
/// overlap clear of the blocks in the view where room allows (the corners first, then the
/// others by index), raises them to the top of the stack, the corners topmost, and redraws the
/// field. Nothing without elements or without a border piece alone.
void CollectBorderPieces(Field& field);

}  // namespace tessary
