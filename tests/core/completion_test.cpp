#include "core/completion.h"

#include <gtest/gtest.h>

#include "assembly_fixtures.h"
#include "core/detach_element.h"
#include "core/field_region.h"

namespace tessary {
namespace {

constexpr AssemblyOptions kExact{true, 5, true};
constexpr AssemblyOptions kLoose{true, 5, false};

class CompleteAtRotation : public ::testing::TestWithParam<int> {};

TEST_P(CompleteAtRotation, AssembledPictureIsComplete) {
    for (const AssemblyOptions& options : {kExact, kLoose}) {
        ElementSet set = MakeTestGame(2, 3, options);
        AssembleAll(set, GetParam());
        EXPECT_TRUE(IsComplete(set));
        EXPECT_EQ(ReactToJoin(set, 0, false), JoinReaction::Nothing);
        EXPECT_EQ(ReactToJoin(set, 1, false), JoinReaction::CompletedNow);
        EXPECT_EQ(ReactToJoin(set, 1, true), JoinReaction::Joined);
    }
}

INSTANTIATE_TEST_SUITE_P(Orientations, CompleteAtRotation, ::testing::Values(0, 1, 2, 3));

TEST(IsComplete, HalfTurnedPictureComparesLinksOnTheLeftAndTopSides) {
    ElementSet set = MakeTestGame(2, 2);
    AssembleAll(set, 2);
    // Upside down, each element's picture-right neighbour lies on its left.
    EXPECT_EQ(set.element(0).links[kLeft], 1);
    EXPECT_EQ(set.element(0).links[kTop], 2);
    EXPECT_TRUE(IsComplete(set));
}

TEST(IsComplete, NotWhileAnElementIsOut) {
    ElementSet set = MakeTestGame(2, 3);
    AssembleAll(set, 0);
    DetachElement(set, 5);
    BuildFieldRegion(set, 5);
    EXPECT_FALSE(IsComplete(set));
    // Back in place: a join completes the picture again.
    EXPECT_EQ(DropBeside(set, 5, 4, kRight), 2);
    EXPECT_TRUE(IsComplete(set));
}

TEST(IsComplete, NotWithALinkMissing) {
    // One block in place, held together through 2 and 3, but 0 and 1 not linked.
    ElementSet set = MakeTestGame(2, 2);
    AssembleInPlace(set, {0, 2, 3, 1});
    ASSERT_TRUE(IsComplete(set));
    Element& zero = set.element(0);
    Element& one = set.element(1);
    zero.links[kRight] = -1;
    one.links[kLeft] = -1;
    EXPECT_FALSE(IsComplete(set));
}

}  // namespace
}  // namespace tessary
