#include "core/knob_tables.h"

#include <gtest/gtest.h>

#include "core/game_random.h"

namespace tessary {
namespace {

KnobTables Generate(int rows, int columns, bool offsets, bool rotate, unsigned seed) {
    GameRandom random;
    return GenerateKnobTables(rows, columns, offsets, rotate, random, [seed] { return seed; });
}

struct GridCase {
    const char* name;
    int rows;
    int columns;
};

class KnobTablesGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(KnobTablesGrid, NeighboursFaceOppositeValuesAndBordersAreStraight) {
    const GridCase grid = GetParam();
    for (unsigned seed = 0; seed < 60; ++seed) {
        const KnobTables t = Generate(grid.rows, grid.columns, true, true, seed);
        for (int row = 0; row < grid.rows; ++row) {
            for (int col = 0; col < grid.columns; ++col) {
                const int i = row * grid.columns + col;
                const ElementEdges e = AssignEdgeTables(t, i);
                for (Side side : kAllSides) {
                    EXPECT_GE(e.knobs[side], -1);
                    EXPECT_LE(e.knobs[side], 1);
                    EXPECT_GE(e.knobShifts[side], -1);
                    EXPECT_LE(e.knobShifts[side], 1);
                }
                if (row == 0) {
                    EXPECT_EQ(e.knobs[kTop], 0);
                }
                if (col == 0) {
                    EXPECT_EQ(e.knobs[kLeft], 0);
                }
                if (row == grid.rows - 1) {
                    EXPECT_EQ(e.knobs[kBottom], 0);
                }
                if (col == grid.columns - 1) {
                    EXPECT_EQ(e.knobs[kRight], 0);
                }
                if (col + 1 < grid.columns) {
                    const ElementEdges right = AssignEdgeTables(t, i + 1);
                    EXPECT_NE(e.knobs[kRight], 0);
                    EXPECT_EQ(e.knobs[kRight], -right.knobs[kLeft]);
                    EXPECT_EQ(e.knobShifts[kRight], -right.knobShifts[kLeft]);
                }
                if (row + 1 < grid.rows) {
                    const ElementEdges below = AssignEdgeTables(t, i + grid.columns);
                    EXPECT_NE(e.knobs[kBottom], 0);
                    EXPECT_EQ(e.knobs[kBottom], -below.knobs[kTop]);
                    EXPECT_EQ(e.knobShifts[kBottom], -below.knobShifts[kTop]);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Grids, KnobTablesGrid,
                         ::testing::Values(GridCase{"one_piece", 1, 1}, GridCase{"one_row", 1, 7},
                                           GridCase{"one_column", 6, 1},
                                           GridCase{"six_by_five", 5, 6}, GridCase{"wide", 3, 40}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KnobTables, OptionsOffLeaveShiftsAndTurnsZero) {
    const KnobTables t = Generate(8, 9, false, false, 17);
    for (int i = 0; i < 72; ++i) {
        EXPECT_EQ(AssignEdgeTables(t, i).knobShifts, (EdgeTable{0, 0, 0, 0}));
        EXPECT_EQ(t.turns[i], 0);
    }
}

TEST(KnobTables, TablesHaveTheirSizesAndValues) {
    const KnobTables t = Generate(7, 11, true, true, 5);
    ASSERT_EQ(t.directions.size(), 2u * 77);
    ASSERT_EQ(t.offsets.size(), 2u * 77);
    ASSERT_EQ(t.turns.size(), 77u);
    bool sawTurn[4] = {};  // -1, 0, +1, 2
    for (int turn : t.turns) {
        ASSERT_TRUE(turn == -1 || turn == 0 || turn == 1 || turn == 2);
        sawTurn[turn == 2 ? 3 : turn + 1] = true;
    }
    EXPECT_TRUE(sawTurn[0] && sawTurn[1] && sawTurn[2] && sawTurn[3]);
    for (int d : t.directions)
        EXPECT_TRUE(d == -1 || d == 1);
}

TEST(KnobTables, EachTableReseedsFromTheSeedSource) {
    int calls = 0;
    GameRandom random;
    const KnobTables a =
        GenerateKnobTables(4, 4, true, true, random, [&calls] { return ++calls, 42u; });
    EXPECT_EQ(calls, 3);
    // The same seed gives the same tables, whatever the generator held before.
    random.reseed(999);
    random.next();
    const KnobTables b = GenerateKnobTables(4, 4, true, true, random, [] { return 42u; });
    EXPECT_EQ(a.directions, b.directions);
    EXPECT_EQ(a.offsets, b.offsets);
    EXPECT_EQ(a.turns, b.turns);
}

TEST(KnobTables, KnobsMostlyAlternateAlongARow) {
    const KnobTables t = Generate(40, 50, false, false, 7);
    int alternations = 0, pairs = 0;
    for (int i = 1; i < 2000; ++i) {
        if (i % 50 == 0)
            continue;
        ++pairs;
        if (t.directions[i] == -t.directions[i - 1])
            ++alternations;
    }
    // Four in five by construction; a broken rule would land near one half or one.
    EXPECT_NEAR(static_cast<double>(alternations) / pairs, 0.8, 0.05);
}

}  // namespace
}  // namespace tessary
