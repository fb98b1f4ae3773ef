#include "core/joined_edge_region.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "outline_fixtures.h"

namespace tessary {
namespace {

int Flags(std::initializer_list<Side> sides) {
    int flags = 0;
    for (Side s : sides)
        flags |= SideFlag(s);
    return flags;
}

bool IsSubset(const Region& a, const Region& b) {
    return (a - b).isEmpty();
}

// A 1 x 1 piece of S = 64 with T = 3: its edge is a band along the right side (x 80..83)
// and along the bottom (y 80..83), both ending in mitres.
class JoinedEdgeOfSquarePiece : public ::testing::Test {
protected:
    OutlineGeometry g = MakeGeometry(64, 3, false, false);
    ElementOutlines o = BuildOutline({0, 0, 0, 0}, {0, 0, 0, 0}, g);

    bool HasRightBand(const Region& r) const { return r.contains(81, 40); }
    bool HasBottomBand(const Region& r) const { return r.contains(40, 81); }
};

TEST_F(JoinedEdgeOfSquarePiece, JoinedSidesLoseTheEdgeFacingThem) {
    const Region right = JoinedEdgeRegion(o, Flags({kRight}), g);
    EXPECT_FALSE(HasRightBand(right));
    EXPECT_TRUE(HasBottomBand(right));

    const Region bottom = JoinedEdgeRegion(o, Flags({kBottom}), g);
    EXPECT_TRUE(HasRightBand(bottom));
    EXPECT_FALSE(HasBottomBand(bottom));

    EXPECT_EQ(JoinedEdgeRegion(o, Flags({kRight, kBottom}), g), o.outline);
    EXPECT_EQ(JoinedEdgeRegion(o, Flags({kTop, kRight}), g), right);
    EXPECT_EQ(JoinedEdgeRegion(o, Flags({kBottom, kLeft}), g), bottom);
}

TEST_F(JoinedEdgeOfSquarePiece, SidesWithoutAnEdgeKeepTheWholeEdge) {
    EXPECT_EQ(JoinedEdgeRegion(o, Flags({kTop}), g), o.raisedOutline);
    EXPECT_EQ(JoinedEdgeRegion(o, Flags({kLeft}), g), o.raisedOutline);
    EXPECT_EQ(JoinedEdgeRegion(o, Flags({kTop, kLeft}), g), o.raisedOutline);
}

TEST_F(JoinedEdgeOfSquarePiece, TheRightBandSplitsAtTheCornerMitre) {
    // Joined on the right only, the corner below the right band stays with the bottom band.
    const Region r = JoinedEdgeRegion(o, Flags({kRight}), g);
    EXPECT_TRUE(r.contains(81, 82));
    EXPECT_FALSE(r.contains(82, 81));
}

// For knobbed pieces of both layouts and every one of the fourteen flag combinations: the
// result lies between the outline and the raised outline, and joining one more side never
// brings an edge pixel back.
struct ShapeCase {
    const char* name;
    bool mosaic;
    EdgeTable knobs;
    EdgeTable shifts;
};

class JoinedEdgeCombinations : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(JoinedEdgeCombinations, MoreJoinedSidesShowLessEdge) {
    const ShapeCase c = GetParam();
    const OutlineGeometry g = MakeGeometry(64, 4, c.mosaic, false);
    const ElementOutlines o = BuildOutline(c.knobs, c.shifts, g);
    std::vector<Region> byFlags(16);
    for (int mask = 1; mask < 15; ++mask) {
        int flags = 0;
        for (Side s : kAllSides) {
            if (mask & (1 << s))
                flags |= SideFlag(s);
        }
        byFlags[mask] = JoinedEdgeRegion(o, flags, g);
        EXPECT_TRUE(IsSubset(o.outline, byFlags[mask])) << "mask " << mask;
        EXPECT_TRUE(IsSubset(byFlags[mask], o.raisedOutline)) << "mask " << mask;
    }
    for (int mask = 1; mask < 15; ++mask) {
        for (int extra = 0; extra < 4; ++extra) {
            const int more = mask | (1 << extra);
            if (more == mask || more == 15)
                continue;
            EXPECT_TRUE(IsSubset(byFlags[more], byFlags[mask])) << mask << " -> " << more;
        }
    }
    // Joined on three sides, only the edge of the free side can remain.
    const Region edge = o.raisedOutline - o.outline;
    EXPECT_FALSE((edge - byFlags[0b0111]).isEmpty());  // left free, right joined: edge cut
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, JoinedEdgeCombinations,
    ::testing::Values(ShapeCase{"tabs", false, {1, 1, 1, 1}, {0, 1, -1, 0}},
                      ShapeCase{"blanks", false, {-1, -1, -1, -1}, {1, 0, 0, -1}},
                      ShapeCase{"mixed", false, {1, -1, 1, -1}, {-1, -1, 1, 1}},
                      ShapeCase{"mosaic_in", true, {1, 1, 1, 1}, {0, 0, 0, 0}},
                      ShapeCase{"mosaic_mixed", true, {-1, 1, -1, 1}, {1, -1, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
