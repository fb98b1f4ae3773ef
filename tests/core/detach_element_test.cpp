#include "core/detach_element.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <set>

#include "assembly_fixtures.h"
#include "core/field_region.h"
#include "core/reorient_element.h"

namespace tessary {
namespace {

using Blocks = std::set<std::vector<int>>;

// The blocks of the given elements.
Blocks BlocksOf(const ElementSet& set, const std::vector<int>& indices) {
    Blocks blocks;
    for (int i : indices)
        blocks.insert(BlockOf(set, i));
    return blocks;
}

struct SplitCase {
    const char* name;
    int rows, columns;
    std::vector<int> joined;  // assembled in place first
    int detached;
    Blocks rest;  // the blocks of the other joined elements afterwards
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class DetachSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(DetachSplits, RestRegroupsIntoTheBlocksLinksReach) {
    const SplitCase c = GetParam();
    ElementSet set = MakeTestGame(c.rows, c.columns);
    AssembleInPlace(set, c.joined);
    std::vector<int> all = c.joined;
    std::sort(all.begin(), all.end());
    ASSERT_EQ(BlockOf(set, c.detached), all);

    DetachElement(set, c.detached);
    BuildFieldRegion(set, c.detached);

    const Element& e = set.element(c.detached);
    EXPECT_EQ(e.links, kNoLinks);
    EXPECT_TRUE(e.alone);
    EXPECT_EQ(BlockOf(set, c.detached), std::vector<int>{c.detached});
    std::vector<int> others = c.joined;
    std::erase(others, c.detached);
    EXPECT_EQ(BlocksOf(set, others), c.rest);
    for (int i : others) {
        const bool isSingle = BlockOf(set, i).size() == 1;
        EXPECT_EQ(set.element(i).alone, isSingle) << "element " << i;
        EXPECT_EQ(set.element(i).hasAnyLink(), !isSingle) << "element " << i;
        for (int linked : set.element(i).links)
            EXPECT_NE(linked, c.detached);
        EXPECT_TRUE(FieldRegionFitsShape(set, i)) << "element " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DetachSplits,
    ::testing::Values(
        SplitCase{"middle_of_1x3_row", 1, 3, {0, 1, 2}, 1, {{0}, {2}}},
        SplitCase{"end_of_1x3_row", 1, 3, {0, 1, 2}, 0, {{1, 2}}},
        SplitCase{"corner_of_2x2", 2, 2, {0, 1, 2, 3}, 0, {{1, 2, 3}}},
        SplitCase{"opposite_corner_of_2x2", 2, 2, {0, 1, 2, 3}, 3, {{0, 1, 2}}},
        SplitCase{"centre_of_a_plus", 3, 3, {1, 3, 4, 5, 7}, 4, {{1}, {3}, {5}, {7}}},
        SplitCase{
            "centre_of_3x3", 3, 3, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 4, {{0, 1, 2, 3, 5, 6, 7, 8}}},
        SplitCase{"bridge_of_an_h", 3, 3, {0, 3, 6, 4, 2, 5, 8}, 4, {{0, 3, 6}, {2, 5, 8}}},
        SplitCase{"joint_of_a_t", 3, 3, {0, 1, 2, 4, 7}, 1, {{0}, {2}, {4, 7}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DetachElement, RedrawsEachPartnerFromTheTopSideRound) {
    ElementSet set = MakeTestGame(3, 3);
    AssembleInPlace(set, {4, 1, 3, 5, 7});
    RecordingPainter painter;
    set.setPainter(&painter);
    DetachElement(set, 4);
    EXPECT_EQ(painter.redrawn, (std::vector<int>{1, 5, 7, 3}));
}

TEST(DetachElement, PartnersLoseTheirEdgeCutOnTheFreedSide) {
    ElementSet set = MakeTestGame(1, 2);
    AssembleInPlace(set, {0, 1});
    const Element& left = set.element(0);
    const Region joined = set.fieldRegions()[0];
    DetachElement(set, 1);
    EXPECT_NE(set.fieldRegions()[0], joined);
    EXPECT_EQ(set.fieldRegions()[0],
              left.raisedOutline.translated(left.fieldRect.left, left.fieldRect.top));
}

struct TurnCase {
    const char* name;
    int turn;
    int rotation;
    EdgeTable knobsFrom;  // the element's old sides (top 0, right 1, bottom 2, left 3) now on
                          // top, right, bottom, left
};

void PrintTo(const TurnCase& c, std::ostream* os) {
    *os << c.name;
}

class ReorientShape : public ::testing::TestWithParam<TurnCase> {};

TEST_P(ReorientShape, TurnsTablesAndLeavesTheElementAlone) {
    const TurnCase c = GetParam();
    ElementSet set = MakeTestGame(3, 3);
    AssembleInPlace(set, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    const Element before = set.element(4);
    ReorientElementShape(set, 4, c.turn);
    const Element& e = set.element(4);
    EXPECT_EQ(e.rotation, c.rotation);
    for (Side side : kAllSides) {
        EXPECT_EQ(e.knobs[side], before.knobs[c.knobsFrom[side]]);
        EXPECT_EQ(e.knobShifts[side], before.knobShifts[c.knobsFrom[side]]);
    }
    EXPECT_EQ(e.imageRect, ComputeImageRect(e.knobs, set.geometry()));
    EXPECT_EQ(static_cast<const ElementOutlines&>(e).outline,
              BuildOutline(e.knobs, e.knobShifts, set.geometry()).outline);
    EXPECT_TRUE(e.alone);
    EXPECT_EQ(e.links, kNoLinks);
    EXPECT_EQ(e.fieldRect, before.fieldRect);
    EXPECT_EQ(BlockOf(set, 0), (std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8}));
}

INSTANTIATE_TEST_SUITE_P(
    Turns, ReorientShape,
    ::testing::Values(TurnCase{"none", 0, 0, {kTop, kRight, kBottom, kLeft}},
                      TurnCase{"clockwise", 1, 3, {kLeft, kTop, kRight, kBottom}},
                      TurnCase{"counter_clockwise", -1, 1, {kRight, kBottom, kLeft, kTop}},
                      TurnCase{"half", 2, 2, {kBottom, kLeft, kTop, kRight}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
