#pragma once

#include <cstdint>
#include <vector>

#include "core/edge_table.h"
#include "core/element.h"
#include "core/geometry.h"

namespace tessary {

/// One element as a saved game holds it: its edge tables as it lies on the field.
struct StoredElement {
    int rotation = 0;  // 0..3
    EdgeTable links = kNoLinks;
    EdgeTable knobs{};
    EdgeTable knobShifts{};
    MemberList members;  // its block, ascending, itself included
};

/// What a saved game gives back to rebuild the game; the plan and settings are restored into
/// the game state and settings before the rebuild. Sizes match rows x columns of the plan.
struct StoredGame {
    std::vector<Rect> baseRects;  // each element's core square on the field
    std::vector<int> zOrder;      // element indices from the top
    std::vector<StoredElement> elements;
    Point fieldSize;  // the field size when saved: a lower bound for the rebuilt field
    std::int64_t elapsedSeconds = 0;
};

/// Whether the stored elements can be played without harm: one entry per element in every
/// table, rotations 0..3, edge values -1..1, the z-order a permutation, every link naming
/// another element that links back on the facing side within one block, and every block
/// listing its owner and listed alike by all its members.
bool IsPlayableStoredGame(const StoredGame& stored, int elementCount);

}  // namespace tessary
