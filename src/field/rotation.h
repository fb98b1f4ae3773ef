#pragma once

namespace tessary {

struct Field;

/// Turns element `index` on its own by `turn` (+1 a quarter turn clockwise, -1 counter-clockwise,
/// 2 a half turn, 0 none): its tables, shape and rotation turn, it leaves its block, and its
/// field region is built afresh. Nothing is drawn; used
/// by element creation for the initial turns.
void ReorientElement(Field& field, int index, int turn);

/// Turns the block under the pointer by a quarter turn (+1 clockwise, -1 counter-clockwise)
/// about the centre of the core square of the element under the pointer; the block stays
/// joined. Plays the rotation sound. Returns false when no element lies under the pointer or
/// an element is held.
bool RotateBlock(Field& field, int turn);

/// Turns the element under the pointer on its own about its own cell, taking it out of its
/// block. Plays the rotation sound. Returns false when no element lies under the pointer or
/// an element is held.
bool RotateSingle(Field& field, int turn);

}  // namespace tessary
