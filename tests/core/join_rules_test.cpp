#include "core/join_rules.h"

#include <gtest/gtest.h>

#include <ostream>

#include "assembly_fixtures.h"
#include "core/completion.h"
#include "core/detach_element.h"
#include "core/field_region.h"

namespace tessary {
namespace {

constexpr AssemblyOptions kExact{true, 5, true};
constexpr AssemblyOptions kLoose{true, 5, false};

// A 3 x 3 game turned to one rotation; the centre element 4 has a knob on every side.
struct ExactCase {
    const char* name;
    int rotation;
    Side side;      // the side of the centre element that is offered to another element
    int neighbour;  // the element that side joins: the centre's index plus this offset
};

void PrintTo(const ExactCase& c, std::ostream* os) {
    *os << c.name;
}

class ExactNeighbour : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactNeighbour, OnlyTheTrueNeighbourJoinsThatSide) {
    const ExactCase c = GetParam();
    for (int o = 0; o < 9; ++o) {
        if (o == 4)
            continue;
        ElementSet set = MakeTestGame(3, 3, kExact);
        for (int i = 0; i < 9; ++i)
            TurnTo(set, i, c.rotation);
        const int joins = DropBeside(set, 4, o, Opposite(c.side), {2, -3});
        const bool isNeighbour = o == 4 + c.neighbour;
        EXPECT_EQ(joins, isNeighbour ? 1 : 0) << "offered to element " << o;
        EXPECT_EQ(set.element(4).links[c.side], isNeighbour ? o : -1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RotationsAndSides, ExactNeighbour,
    ::testing::Values(
        ExactCase{"left_r0_left", 0, kLeft, -1}, ExactCase{"left_r1_above", 1, kLeft, -3},
        ExactCase{"left_r2_right", 2, kLeft, +1}, ExactCase{"left_r3_below", 3, kLeft, +3},
        ExactCase{"right_r0_right", 0, kRight, +1}, ExactCase{"right_r1_below", 1, kRight, +3},
        ExactCase{"right_r2_left", 2, kRight, -1}, ExactCase{"right_r3_above", 3, kRight, -3},
        ExactCase{"top_r0_above", 0, kTop, -3}, ExactCase{"top_r1_right", 1, kTop, +1},
        ExactCase{"top_r2_below", 2, kTop, +3}, ExactCase{"top_r3_left", 3, kTop, -1},
        ExactCase{"bottom_r0_below", 0, kBottom, +3}, ExactCase{"bottom_r1_left", 1, kBottom, -1},
        ExactCase{"bottom_r2_above", 2, kBottom, -3}, ExactCase{"bottom_r3_right", 3, kBottom, +1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExactAssembling, TrueNeighbourAtAnotherRotationDoesNotJoin) {
    ElementSet set = MakeTestGame(1, 2, kExact);
    TurnTo(set, 1, 2);
    EXPECT_EQ(DropBeside(set, 1, 0, kRight), 0);
    TurnTo(set, 0, 2);
    // At rotation 2 element 1 lies left of element 0.
    EXPECT_EQ(DropBeside(set, 1, 0, kLeft), 1);
}

struct RangeCase {
    const char* name;
    Point offset;
    int joins;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class CaptureRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CaptureRange, JoinsWithinRangeAndSnapsExactly) {
    const RangeCase c = GetParam();
    for (const AssemblyOptions& options : {kExact, kLoose}) {
        ElementSet set = MakeTestGame(1, 2, options);
        const Point before = CoreCorner(set, 1);
        EXPECT_EQ(DropBeside(set, 1, 0, kRight, c.offset), c.joins);
        const Point at = CoreCorner(set, 1);
        if (c.joins == 0) {
            EXPECT_NE(at, before);  // moved by the drop, left where it was put
            continue;
        }
        EXPECT_EQ(at, (Point{CoreCorner(set, 0).x + 64, CoreCorner(set, 0).y}));
        const Rect& field = set.element(1).fieldRect;
        EXPECT_EQ(field.left + set.cellMargin(), at.x);
        EXPECT_EQ(field.top + set.cellMargin(), at.y);
        EXPECT_TRUE(FieldRegionFitsShape(set, 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Offsets, CaptureRange,
                         ::testing::Values(RangeCase{"exactly_against", {0, 0}, 1},
                                           RangeCase{"range_away_across", {5, 0}, 1},
                                           RangeCase{"range_away_along", {0, -5}, 1},
                                           RangeCase{"range_away_both", {-5, 5}, 1},
                                           RangeCase{"one_beyond_across", {6, 0}, 0},
                                           RangeCase{"one_beyond_along", {0, 6}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Element 4 of a 3 x 3 game drops 3 px off below its upper neighbour 1, beside which its left
// neighbour 3 lies in place or 1 px off. The join to 1 snaps 4; the left side then joins only
// when it touches exactly.
struct SecondSideCase {
    const char* name;
    Point leftNeighbourShift;  // how far 3 lies from its true place beside 1
    int joins;
};

void PrintTo(const SecondSideCase& c, std::ostream* os) {
    *os << c.name;
}

class SecondSideInOneStep : public ::testing::TestWithParam<SecondSideCase> {};

TEST_P(SecondSideInOneStep, JoinsOnlyAtDistanceZero) {
    const SecondSideCase c = GetParam();
    for (const AssemblyOptions& options : {kExact, kLoose}) {
        ElementSet set = MakeTestGame(3, 3, options);
        const Point one = CoreCorner(set, 1);
        const Point three = CoreCorner(set, 3);
        set.moveElement(3, one.x - 64 + c.leftNeighbourShift.x - three.x,
                        one.y + 64 + c.leftNeighbourShift.y - three.y);
        EXPECT_EQ(DropBeside(set, 4, 1, kBottom, {3, 2}), c.joins);
        EXPECT_EQ(CoreCorner(set, 4), (Point{one.x, one.y + 64}));
        EXPECT_EQ(set.element(4).links[kTop], 1);
        EXPECT_EQ(set.element(4).links[kLeft], c.joins == 2 ? 3 : -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Gaps, SecondSideInOneStep,
                         ::testing::Values(SecondSideCase{"left_neighbour_in_place", {0, 0}, 2},
                                           SecondSideCase{"left_neighbour_one_left", {-1, 0}, 1},
                                           SecondSideCase{"left_neighbour_one_down", {0, 1}, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// A 1 x 4 row whose inner sides all carry a tab on the right and a blank on the left, so any
// element's right side fits any other's left side.
ElementSet SameShapedRow(const AssemblyOptions& options) {
    ElementSet set = MakeTestGame(1, 4, options);
    SetKnobs(set, 0, {0, 1, 0, 0});
    SetKnobs(set, 1, {0, 1, 0, -1});
    SetKnobs(set, 2, {0, 1, 0, -1});
    SetKnobs(set, 3, {0, 0, 0, -1});
    return set;
}

TEST(LooseAssembling, SameShapedNonNeighboursJoinAndNeverComplete) {
    ElementSet set = SameShapedRow(kLoose);
    // The order 0 2 1 3 fits side by side.
    EXPECT_EQ(DropBeside(set, 2, 0, kRight), 1);
    EXPECT_EQ(DropBeside(set, 1, 2, kRight), 1);
    EXPECT_EQ(DropBeside(set, 3, 1, kRight), 1);
    EXPECT_EQ(BlockOf(set, 0), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(set.element(0).links[kRight], 2);
    EXPECT_FALSE(IsComplete(set));
    EXPECT_EQ(ReactToJoin(set, 1, false), JoinReaction::Joined);
}

TEST(ExactAssembling, SameShapedNonNeighboursDoNotJoin) {
    ElementSet set = SameShapedRow(kExact);
    EXPECT_EQ(DropBeside(set, 2, 0, kRight), 0);
    EXPECT_EQ(DropBeside(set, 1, 0, kRight), 1);
}

TEST(LooseAssembling, StraightSidesNeverJoin) {
    ElementSet set = SameShapedRow(kLoose);
    // 3's straight right side against 0's straight left side.
    EXPECT_EQ(DropBeside(set, 3, 0, kLeft), 0);
    EXPECT_EQ(DropBeside(set, 0, 3, kRight), 0);
}

TEST(LooseAssembling, MismatchedShiftsDoNotJoin) {
    ElementSet set = SameShapedRow(kLoose);
    set.element(2).knobShifts[kLeft] = 1;
    EXPECT_EQ(DropBeside(set, 2, 0, kRight), 0);
    set.element(0).knobShifts[kRight] = -1;
    EXPECT_EQ(DropBeside(set, 2, 0, kRight), 1);
}

TEST(LooseAssembling, NoJoinOntoAnOccupiedCell) {
    // 2 x 3: the column 1-4 is the target. The carried block is the column 0-3 with 5 made
    // to fit 3's right side: 0 fits 1's left side, but 5 would land on 4's cell.
    ElementSet set = MakeTestGame(2, 3, kLoose);
    ASSERT_EQ(DropBeside(set, 4, 1, kBottom), 1);
    ASSERT_EQ(DropBeside(set, 3, 0, kBottom), 1);
    const Element& three = set.element(3);
    SetKnobs(set, 5, {0, 0, 0, -three.knobs[kRight]}, {0, 0, 0, -three.knobShifts[kRight]});
    ASSERT_EQ(DropBeside(set, 5, 3, kRight), 1);

    EXPECT_EQ(DropBeside(set, 0, 1, kLeft), 0);
    EXPECT_EQ(set.element(0).links[kRight], -1);
    EXPECT_FALSE(set.isSameBlock(0, 1));

    // Without 5 the same drop fits.
    DetachElement(set, 5);
    BuildFieldRegion(set, 5);
    EXPECT_EQ(DropBeside(set, 0, 1, kLeft), 1);
}

TEST(LooseAssembling, CarriedBlockLinksEveryAbuttingPair) {
    // 2 x 2: the column 1-3 is carried against the column 0-2; the grabbed element 1 joins
    // 0, and 3 is linked to 2 on the way.
    ElementSet set = MakeTestGame(2, 2, kLoose);
    ASSERT_EQ(DropBeside(set, 2, 0, kBottom), 1);
    ASSERT_EQ(DropBeside(set, 3, 1, kBottom), 1);
    EXPECT_EQ(DropBeside(set, 1, 0, kRight, {-2, 4}), 1);
    EXPECT_EQ(set.element(3).links[kLeft], 2);
    EXPECT_EQ(set.element(2).links[kRight], 3);
    EXPECT_EQ(CoreCorner(set, 3), (Point{CoreCorner(set, 2).x + 64, CoreCorner(set, 2).y}));
    EXPECT_EQ(BlockOf(set, 3), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(IsComplete(set));
}

TEST(JoinRules, RedrawsTheElementJoinedTo) {
    ElementSet set = MakeTestGame(1, 3, kExact);
    RecordingPainter painter;
    set.setPainter(&painter);
    EXPECT_EQ(DropBeside(set, 1, 0, kRight), 1);
    EXPECT_EQ(DropBeside(set, 2, 1, kRight), 1);
    EXPECT_EQ(painter.redrawn, (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace tessary
