// Random play on a 6 x 5 game: joins, detaches, turns and restacking in a fixed-seed sequence,
// with the block invariants checked after every move.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "assembly_fixtures.h"
#include "core/bring_to_front.h"
#include "core/detach_element.h"
#include "core/field_region.h"

namespace tessary {
namespace {

// The elements reachable from `start` over links, ascending.
std::vector<int> Reachable(const ElementSet& set, int start) {
    std::vector<bool> seen(set.elementCount());
    std::deque<int> queue = {start};
    seen[start] = true;
    std::vector<int> found;
    while (!queue.empty()) {
        const int i = queue.front();
        queue.pop_front();
        found.push_back(i);
        for (int j : set.element(i).links) {
            if (j >= 0 && !seen[j]) {
                seen[j] = true;
                queue.push_back(j);
            }
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

void ExpectInvariants(const ElementSet& set, const std::string& after) {
    SCOPED_TRACE(after);
    const int n = set.elementCount();
    for (int i = 0; i < n; ++i) {
        const Element& e = set.element(i);
        for (Side side : kAllSides) {
            const int j = e.links[side];
            if (j < 0)
                continue;
            ASSERT_LT(j, n);
            EXPECT_EQ(set.element(j).links[Opposite(side)], i) << i << " side " << side;
        }
        const std::vector<int> block = BlockOf(set, i);
        EXPECT_EQ(block, Reachable(set, i)) << "element " << i;
        for (int j : block) {
            EXPECT_EQ(BlockOf(set, j), block) << i << " and " << j;
        }
        EXPECT_EQ(e.alone, !e.hasAnyLink()) << "element " << i;
        if (set.options().enable3DElements) {
            EXPECT_EQ(e.enclosed, e.hasAllLinks()) << "element " << i;
        }
        const Rect& base = set.baseRects()[i];
        EXPECT_EQ(base.left, e.fieldRect.left + set.cellMargin());
        EXPECT_EQ(base.top, e.fieldRect.top + set.cellMargin());
        EXPECT_TRUE(FieldRegionFitsShape(set, i)) << "element " << i;
    }
    std::vector<int> order(set.zOrder().begin(), set.zOrder().end());
    std::sort(order.begin(), order.end());
    for (int k = 0; k < n; ++k)
        EXPECT_EQ(order[k], k);
}

class RandomPlay : public ::testing::TestWithParam<AssemblyOptions> {};

TEST_P(RandomPlay, BlocksStayConsistent) {
    ElementSet set = MakeTestGame(5, 6, GetParam());
    std::mt19937 random(20240611);
    auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    const int n = set.elementCount();
    int joins = 0;
    for (int move = 0; move < 600; ++move) {
        const int action = pick(16);
        const int g = pick(n);
        std::string what;
        if (action < 12) {
            // Offer a side of g to a picture neighbour (or to any element), up to 4 px off.
            const Side toward = static_cast<Side>(pick(4));
            int o = set.pictureNeighbour(g, toward);
            if (o < 0 || action == 11)
                o = (g + 1 + pick(n - 1)) % n;
            const Side sideOfO = FieldSideOf(Opposite(toward), set.element(o).rotation);
            joins += DropBeside(set, g, o, sideOfO, {pick(9) - 4, pick(9) - 4});
            what = "offering " + std::to_string(g) + " to " + std::to_string(o);
        } else if (action < 14) {
            DetachElement(set, g);
            BuildFieldRegion(set, g);
            what = "detaching " + std::to_string(g);
        } else if (action == 14) {
            TurnTo(set, g, pick(4));
            what = "turning " + std::to_string(g);
        } else {
            BringToFront(set, g);
            what = "raising " + std::to_string(g);
        }
        ExpectInvariants(set, "move " + std::to_string(move) + ": " + what);
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_GT(joins, 50);  // the sequence really builds blocks
}

INSTANTIATE_TEST_SUITE_P(Modes, RandomPlay,
                         ::testing::Values(AssemblyOptions{true, 5, true},
                                           AssemblyOptions{true, 5, false},
                                           AssemblyOptions{false, 5, false}),
                         [](const auto& info) {
                             return std::string(info.param.exactAssembling ? "exact" : "loose") +
                                    (info.param.enable3DElements ? "_3d" : "_flat");
                         });

}  // namespace
}  // namespace tessary
