#include "knob_tables.h"

#include "game_random.h"

namespace tessary {
namespace {

std::vector<int> DrawDirections(int rows, int columns, GameRandom& random) {
    const int count = 2 * rows * columns;
    std::vector<int> d(count);
    d[0] = (random.next() & 1) ? 1 : -1;
    for (int i = 1; i < count; ++i) {
        if (i % columns != 0) {
            // A knob alternates with its left-hand predecessor four times in five.
            d[i] = (random.next() % 5 != 0) ? -d[i - 1] : d[i - 1];
        } else {
            // A row starts opposite to the row above nine times in ten.
            d[i] = (random.next() % 10 != 0) ? -d[i - columns] : d[i - columns];
        }
    }
    return d;
}

std::vector<int> DrawOffsets(int count, bool enableOffset, GameRandom& random) {
    std::vector<int> o(count, 0);
    if (!enableOffset)
        return o;
    for (int& entry : o) {
        if (random.next() % 3 == 0) {
            entry = -1;
        } else {
            entry = (random.next() % 3 == 1) ? 1 : 0;
        }
    }
    return o;
}

std::vector<int> DrawTurns(int count, bool rotateElements, GameRandom& random) {
    std::vector<int> t(count, 0);
    if (!rotateElements)
        return t;
    static constexpr int kTurnOf[4] = {-1, 0, 1, 2};
    for (int& entry : t)
        entry = kTurnOf[random.next() & 3];
    return t;
}

EdgeTable AssignOne(const std::vector<int>& table, int rows, int columns, int index) {
    const int n = rows * columns;
    const int row = index / columns;
    const int col = index % columns;
    EdgeTable e{};
    e[kTop] = row == 0 ? 0 : table[index];
    e[kLeft] = col == 0 ? 0 : table[n + index];
    e[kBottom] = row == rows - 1 ? 0 : -table[index + columns];
    e[kRight] = col == columns - 1 ? 0 : -table[n + index + 1];
    return e;
}

}  // namespace

KnobTables GenerateKnobTables(int rows, int columns, bool enableOffset, bool rotateElements,
                              GameRandom& random, const SeedSource& seed) {
    KnobTables t;
    t.rows = rows;
    t.columns = columns;
    const int n = rows * columns;
    random.reseed(seed());
    t.directions = DrawDirections(rows, columns, random);
    random.reseed(seed());
    t.offsets = DrawOffsets(2 * n, enableOffset, random);
    random.reseed(seed());
    t.turns = DrawTurns(n, rotateElements, random);
    return t;
}

ElementEdges AssignEdgeTables(const KnobTables& tables, int index) {
    return {AssignOne(tables.directions, tables.rows, tables.columns, index),
            AssignOne(tables.offsets, tables.rows, tables.columns, index)};
}

}  // namespace tessary
