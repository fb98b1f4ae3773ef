#pragma once

#include <functional>
#include <vector>

#include "edge_table.h"

namespace tessary {

class GameRandom;

/// Gives the seed of each table; the game uses the seconds field of the local time.
using SeedSource = std::function<unsigned()>;

/// The random tables of a new game of N = rows x columns elements.
struct KnobTables {
    int rows = 0;
    int columns = 0;
    std::vector<int> directions;  // 2N entries: 0..N-1 top sides, N..2N-1 left sides; -1 or +1
    std::vector<int> offsets;     // 2N entries in the same layout; -1, 0 or +1
    std::vector<int> turns;       // N initial turns: -1, 0, +1 or 2
};

/// Draws the knob direction, knob offset and initial turn tables, reseeding `random` from
/// `seed` before each of the three. rows, columns >= 1.
KnobTables GenerateKnobTables(int rows, int columns, bool enableOffset, bool rotateElements,
                              GameRandom& random, const SeedSource& seed);

/// The `knobs` and `knobShifts` of element `index`: border sides are 0, and facing sides
/// of neighbours always carry opposite values.
struct ElementEdges {
    EdgeTable knobs{};
    EdgeTable knobShifts{};
};
ElementEdges AssignEdgeTables(const KnobTables& tables, int index);

}  // namespace tessary
