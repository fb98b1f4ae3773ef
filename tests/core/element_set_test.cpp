#include "core/element_set.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>

#include "assembly_fixtures.h"
#include "core/bring_to_front.h"
#include "core/detach_element.h"
#include "core/field_region.h"
#include "core/joined_edge_region.h"
#include "core/membership.h"

namespace tessary {
namespace {

std::vector<int> ZOrder(const ElementSet& set) {
    return {set.zOrder().begin(), set.zOrder().end()};
}

void SetZOrder(ElementSet& set, const std::vector<int>& order) {
    std::copy(order.begin(), order.end(), set.zOrder().begin());
}

struct FrontCase {
    const char* name;
    std::vector<int> block;  // assembled in place first (2 x 3 game); empty: all alone
    std::vector<int> before;
    int raised;
    std::vector<int> after;
};

void PrintTo(const FrontCase& c, std::ostream* os) {
    *os << c.name;
}

class BringToFrontOrder : public ::testing::TestWithParam<FrontCase> {};

TEST_P(BringToFrontOrder, BlockOnTopHighestIndexFirstOthersKeepOrder) {
    const FrontCase c = GetParam();
    ElementSet set = MakeTestGame(2, 3);
    if (!c.block.empty())
        AssembleInPlace(set, c.block);
    SetZOrder(set, c.before);
    BringToFront(set, c.raised);
    EXPECT_EQ(ZOrder(set), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Stacks, BringToFrontOrder,
    ::testing::Values(
        FrontCase{"alone_from_the_bottom", {}, {0, 1, 2, 3, 4, 5}, 5, {5, 0, 1, 2, 3, 4}},
        FrontCase{"alone_from_the_middle", {}, {4, 1, 3, 0, 5, 2}, 0, {0, 4, 1, 3, 5, 2}},
        FrontCase{"alone_already_on_top", {}, {2, 1, 0, 3, 4, 5}, 2, {2, 1, 0, 3, 4, 5}},
        FrontCase{"block_scattered", {1, 4, 5}, {5, 2, 0, 4, 3, 1}, 1, {5, 4, 1, 2, 0, 3}},
        FrontCase{"block_lowest_on_top", {0, 1, 3}, {0, 2, 1, 4, 5, 3}, 0, {3, 1, 0, 2, 4, 5}},
        FrontCase{"block_at_the_bottom", {2, 5}, {0, 1, 3, 4, 5, 2}, 2, {5, 2, 0, 1, 3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MemberFlags, WriteAndRestoreRoundTrip) {
    ElementSet played = MakeTestGame(2, 3);
    AssembleInPlace(played, {0, 1, 3});
    AssembleInPlace(played, {2, 5});

    ElementSet loaded = MakeTestGame(2, 3);
    std::vector<int32_t> flags(6);
    for (int i = 0; i < 6; ++i) {
        WriteMemberFlags(played, i, flags);
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(flags[j], played.isSameBlock(i, j) ? 1 : 0);
        ASSERT_TRUE(RestoreMemberFlags(loaded, i, flags)) << "element " << i;
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(BlockOf(loaded, i), BlockOf(played, i));
    EXPECT_TRUE(loaded.isSameBlock(0, 3));
}

struct RestoreCase {
    const char* name;
    std::vector<std::vector<int32_t>> records;  // flags of elements 0, 1, 2 in turn
    int failsAt;                                // -1: all restore
};

void PrintTo(const RestoreCase& c, std::ostream* os) {
    *os << c.name;
}

class RestoreMembers : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreMembers, RefusesContradictingRecords) {
    const RestoreCase c = GetParam();
    ElementSet set = MakeTestGame(1, 3);
    for (int i = 0; i < static_cast<int>(c.records.size()); ++i) {
        const bool isRestored = RestoreMemberFlags(set, i, c.records[i]);
        EXPECT_EQ(isRestored, i != c.failsAt) << "element " << i;
        if (!isRestored)
            break;
    }
    // Every member of every block lists the same set.
    for (int i = 0; i < 3; ++i) {
        for (int j : set.members(i))
            EXPECT_EQ(BlockOf(set, j), BlockOf(set, i));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, RestoreMembers,
    ::testing::Values(RestoreCase{"consistent", {{1, 1, 0}, {1, 1, 0}, {0, 0, 1}}, -1},
                      RestoreCase{"own_flag_missing_counts", {{0, 1, 0}, {1, 0, 0}, {0, 0, 0}}, -1},
                      RestoreCase{
                          "any_nonzero_is_a_member", {{7, -1, 0}, {1, 1, 0}, {0, 0, 1}}, -1},
                      RestoreCase{"later_member_lists_less", {{1, 1, 1}, {1, 1, 0}, {1, 1, 1}}, 1},
                      RestoreCase{"later_member_lists_more", {{1, 1, 0}, {1, 1, 1}, {1, 1, 1}}, 1},
                      RestoreCase{"earlier_element_left_out", {{1, 0, 0}, {1, 1, 0}, {0, 0, 1}}, 1},
                      RestoreCase{"element_of_another_block", {{1, 0, 1}, {0, 1, 1}, {1, 0, 1}}, 1},
                      RestoreCase{"too_few_flags", {{1, 1}}, 0},
                      RestoreCase{"too_many_flags", {{1, 1, 0, 0}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Field regions by links, in bitmap coordinates of the element.
Region RegionAtHome(const ElementSet& set, int i) {
    const Rect& field = set.element(i).fieldRect;
    return set.fieldRegions()[i].translated(-field.left, -field.top);
}

TEST(FieldRegion, FollowsTheLinkedSidesWith3DElements) {
    ElementSet set = MakeTestGame(3, 3);
    const Element& centre = set.element(4);
    EXPECT_EQ(RegionAtHome(set, 4), centre.raisedOutline);
    EXPECT_FALSE(centre.enclosed);

    AssembleInPlace(set, {4, 1, 5});
    EXPECT_EQ(RegionAtHome(set, 4), JoinedEdgeRegion(centre, 0x11, set.geometry()));
    EXPECT_EQ(RegionAtHome(set, 1), JoinedEdgeRegion(set.element(1), 0x100, set.geometry()));
    EXPECT_FALSE(centre.enclosed);

    AssembleInPlace(set, {4, 3, 7});
    EXPECT_EQ(RegionAtHome(set, 4), centre.outline);
    EXPECT_TRUE(centre.enclosed);
    EXPECT_NE(centre.outline, centre.raisedOutline);

    DetachElement(set, 4);
    BuildFieldRegion(set, 4);
    EXPECT_EQ(RegionAtHome(set, 4), centre.raisedOutline);
    EXPECT_FALSE(centre.enclosed);
    EXPECT_EQ(RegionAtHome(set, 1), set.element(1).raisedOutline);
}

}  // namespace
}  // namespace tessary
