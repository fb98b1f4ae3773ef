#include "field/collect_border.h"

#include <gtest/gtest.h>

#include <vector>

#include "field/block_layout.h"
#include "field/free_layout.h"
#include "field/rotation.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

TEST(CollectBorderPiecesTest, LooseBorderPiecesComeIntoViewApartCornersFirstOnTop) {
    TestGame game({.rows = 3, .columns = 3});  // 4 inside; 0 and 1 joined stay
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    game.pointAt(game.centre(3));
    ASSERT_TRUE(RotateSingle(game.field(), 1));
    Viewport& v = game.field().viewport;
    v.scrollX = 400;
    v.scrollY = 300;
    const Rect innerPlace = game.set().element(4).fieldRect;
    const Rect blockPlace = game.set().element(0).fieldRect;

    CollectBorderPieces(game.field());
    const std::vector<int> collected = {2, 6, 8, 3, 5, 7};
    const std::vector<int> top(game.set().zOrder().begin(), game.set().zOrder().begin() + 6);
    EXPECT_EQ(top, collected);
    EXPECT_EQ(game.set().element(2).fieldRect.left, 400) << "the first corner leads";
    EXPECT_EQ(game.set().element(2).fieldRect.top, 300);
    const Rect view = VisibleFieldArea(v);
    for (std::size_t k = 0; k < collected.size(); ++k) {
        const Rect& box = game.set().element(collected[k]).fieldRect;
        EXPECT_TRUE(box.left >= view.left && box.top >= view.top && box.right <= view.right &&
                    box.bottom <= view.bottom)
            << "element " << collected[k];
        for (std::size_t m = 0; m < k; ++m)
            EXPECT_FALSE(BoxesOverlap(box, game.set().element(collected[m]).fieldRect))
                << collected[m] << " and " << collected[k];
    }
    EXPECT_EQ(game.set().element(4).fieldRect, innerPlace);
    EXPECT_EQ(game.set().element(0).fieldRect, blockPlace);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

}  // namespace
}  // namespace tessary
