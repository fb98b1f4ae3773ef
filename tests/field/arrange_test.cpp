#include <gtest/gtest.h>

#include <algorithm>

#include "field/arrange.h"
#include "field/block_layout.h"
#include "field/free_layout.h"
#include "field/viewport.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

std::vector<int> ZOrderOf(TestGame& game) {
    return {game.set().zOrder().begin(), game.set().zOrder().end()};
}

TEST(ArrangeTest, SinglesOnTopThenBlocksBySizeNothingMoves) {
    TestGame game({.rows = 2, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    ASSERT_EQ(game.dropBeside(4, 3, kRight), JoinReaction::Joined);
    ASSERT_EQ(game.dropBeside(5, 4, kRight), JoinReaction::Joined);
    // Now from the top: {3, 4, 5} as 5, 4, 3; {0, 1} as 1, 0; then 2.
    ASSERT_EQ(ZOrderOf(game), (std::vector<int>{5, 4, 3, 1, 0, 2}));
    std::vector<Rect> places;
    for (int i = 0; i < 6; ++i)
        places.push_back(game.set().element(i).fieldRect);

    ArrangeElements(game.field());
    EXPECT_EQ(ZOrderOf(game), (std::vector<int>{2, 1, 0, 5, 4, 3}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(game.set().element(i).fieldRect, places[static_cast<std::size_t>(i)]);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(ArrangeTest, OnlySinglesKeepTheirOrder) {
    TestGame game;
    const std::vector<int> before = ZOrderOf(game);
    ArrangeElements(game.field());
    EXPECT_EQ(ZOrderOf(game), before);
}

TEST(ShowAllTest, ElementsOutsideTheViewComeInsideAndOthersStay) {
    TestGame game;  // bitmaps at (20, 20), (170, 20), (20, 170), (170, 170)
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);  // 1 lies at (84, 20)
    game.set().moveElement(3, 300, 300);  // (470, 470), inside the view below
    RedrawField(game.field(), {.clear = true});
    Viewport& v = game.field().viewport;
    v.scrollX = 200;
    v.scrollY = 100;

    ShowAllElements(game.field());
    EXPECT_EQ(game.set().element(0).fieldRect.left, 200) << "the block's left edge";
    EXPECT_EQ(game.set().element(1).fieldRect.left, 264);
    EXPECT_EQ(game.set().element(0).fieldRect.top, 100);
    EXPECT_EQ(game.set().element(2).fieldRect, (Rect{200, 170, 299, 269}));
    EXPECT_EQ(game.set().element(3).fieldRect, (Rect{470, 470, 569, 569}));
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(ShowAllTest, BlockWiderThanTheViewEndsAtItsLeftEdge) {
    TestGame game({.rows = 1, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    game.field().viewport.clientRect = {0, 0, 150, 600};
    game.field().viewport.scrollX = 10;
    ShowAllElements(game.field());
    EXPECT_EQ(std::min(game.set().element(0).fieldRect.left, game.set().element(1).fieldRect.left),
              10);
}

// Every element's bitmap square lies inside the view, and none overlaps one of another block.
void ExpectInViewApart(TestGame& game) {
    const ElementSet& set = game.set();
    const Rect view = VisibleFieldArea(game.field().viewport);
    for (int i = 0; i < set.elementCount(); ++i) {
        const Rect& box = set.element(i).fieldRect;
        EXPECT_TRUE(box.left >= view.left && box.top >= view.top && box.right <= view.right &&
                    box.bottom <= view.bottom)
            << "element " << i << " sticks out";
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(!set.isSameBlock(i, j) && BoxesOverlap(box, set.element(j).fieldRect))
                << "elements " << j << " and " << i << " overlap";
    }
}

TEST(ShowAllTest, WithLayoutWithoutOverlapTheOutsidersAreLaidOutAroundThoseInView) {
    TestGame game({.rows = 3, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    game.set().moveElement(4, 430, 330);  // (600, 500): inside the view below
    RedrawField(game.field(), {.clear = true});
    game.field().viewport.scrollX = 400;
    game.field().viewport.scrollY = 300;
    game.field().extraOptions.layoutWithoutOverlap = true;

    ShowAllElements(game.field());
    ExpectInViewApart(game);
    EXPECT_EQ(game.set().element(4).fieldRect, (Rect{600, 500, 699, 599}));
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(ArrangeTest, WithLayoutWithoutOverlapTheSinglesInViewAreLaidOutAroundTheBlocks) {
    TestGame game({.rows = 3, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    game.set().moveElement(8, -280, -280);  // (40, 40): over the block
    game.set().moveElement(5, 580, 530);    // (900, 700): outside the view
    RedrawField(game.field(), {.clear = true});
    const Rect blockPlace = game.set().element(0).fieldRect;
    game.field().extraOptions.layoutWithoutOverlap = true;

    ArrangeElements(game.field());
    EXPECT_EQ(game.set().element(0).fieldRect, blockPlace);
    EXPECT_EQ(game.set().element(5).fieldRect, (Rect{900, 700, 999, 799}));
    game.field().viewport.clientRect = {0, 0, 1200, 900};  // piece 5 too, from here on
    ExpectInViewApart(game);
    EXPECT_EQ(ZOrderOf(game), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 1, 0}));
    // In stacking order from the top-left, the first beside the block's right edge.
    EXPECT_EQ(game.set().element(2).fieldRect, (Rect{183, 0, 282, 99}));
    EXPECT_EQ(game.set().element(3).fieldRect, (Rect{282, 0, 381, 99}));
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

}  // namespace
}  // namespace tessary
