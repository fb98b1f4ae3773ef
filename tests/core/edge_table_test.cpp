#include "core/edge_table.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(EdgeTable, QuarterTurnsMoveSidesClockwiseAndBack) {
    const EdgeTable t{1, -1, 0, 2};  // top, right, bottom, left
    EXPECT_EQ(TurnEdgeTable(t, 1), (EdgeTable{2, 1, -1, 0}));
    EXPECT_EQ(TurnEdgeTable(t, -1), (EdgeTable{-1, 0, 2, 1}));
    EXPECT_EQ(TurnEdgeTable(t, 2), TurnEdgeTable(TurnEdgeTable(t, 1), 1));
    EXPECT_EQ(TurnEdgeTable(TurnEdgeTable(t, 1), -1), t);
    EdgeTable four = t;
    for (int i = 0; i < 4; ++i)
        four = TurnEdgeTable(four, 1);
    EXPECT_EQ(four, t);
}

TEST(EdgeTable, RotationCountsCounterClockwiseQuarterTurns) {
    EXPECT_EQ(TurnRotation(0, 1), 3);
    EXPECT_EQ(TurnRotation(3, -1), 0);
    EXPECT_EQ(TurnRotation(1, 2), 3);
    int rotation = 2;
    for (int i = 0; i < 4; ++i)
        rotation = TurnRotation(rotation, 1);
    EXPECT_EQ(rotation, 2);
    EXPECT_EQ(TurnRotation(TurnRotation(1, 1), 1), TurnRotation(1, 2));
}

TEST(EdgeTable, SideFlagsAndOpposites) {
    EXPECT_EQ(SideFlag(kTop), 0x1);
    EXPECT_EQ(SideFlag(kRight), 0x10);
    EXPECT_EQ(SideFlag(kBottom), 0x100);
    EXPECT_EQ(SideFlag(kLeft), 0x1000);
    EXPECT_EQ(Opposite(kTop), kBottom);
    EXPECT_EQ(Opposite(kLeft), kRight);
}

}  // namespace
}  // namespace tessary
