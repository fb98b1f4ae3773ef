#include <gtest/gtest.h>

#include "field/compose_client_area.h"
#include "field/dragging.h"
#include "field/key_state.h"
#include "field/render_element_image.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

bool ShowsBackgroundOver(const Bitmap32& picture, Rect area) {
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (picture.pixel(x, y) != kBackgroundPixel)
                return false;
        }
    }
    return true;
}

Rect CoreRect(TestGame& game, int index) {
    return game.set().baseRects()[index];
}

TEST(DraggingTest, HitTestTakesTheTopmostElementAndMissesTheBackground) {
    TestGame game({.rows = 1, .columns = 2}, 40);  // overlapping, element 0 on top
    const Point overlap{game.core(1).x + 2, game.centre(1).y};
    EXPECT_EQ(HitTest(game.field(), overlap), 0);
    EXPECT_EQ(HitTest(game.field(), {game.core(1).x + 50, game.centre(1).y}), 1);
    EXPECT_EQ(HitTest(game.field(), {700, 700}), -1);
}

TEST(DraggingTest, CarriedBlockIsAbsentFromTheFieldPictureUntilRelease) {
    TestGame game({.rows = 1, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    const Rect oldMate = CoreRect(game, 0);
    game.pick(game.centre(1), kDragChord);
    game.dragTo({game.centre(1).x + 10, game.centre(1).y + 200});
    const Rect newMate = CoreRect(game, 0);
    ASSERT_EQ(newMate, oldMate.translated(10, 200));
    const Bitmap32& picture = game.field().fieldPicture;
    EXPECT_TRUE(ShowsBackgroundOver(picture, oldMate));
    EXPECT_TRUE(ShowsBackgroundOver(picture, newMate));
    EXPECT_TRUE(ShowsBackgroundOver(picture, CoreRect(game, 1)));

    // The player sees the held element at its new place, its mate nowhere.
    Bitmap32 seen;
    ComposeClientArea(game.field(), seen, game.field().viewport.clientRect);
    const Point held = game.core(1);
    EXPECT_EQ(seen.pixel(held.x + 30, held.y + 30), PicturePixel(64 + 30, 30));
    EXPECT_EQ(seen.pixel(newMate.left + 30, newMate.top + 30), kBackgroundPixel);

    ReleaseElement(game.field());
    EXPECT_EQ(picture.pixel(newMate.left + 30, newMate.top + 30), PicturePixel(30, 30));
    EXPECT_EQ(picture, game.redrawnFromScratch());
    EXPECT_EQ(game.platform.cursors.back(), CursorShape::Arrow);
    EXPECT_FALSE(game.platform.isMouseCaptured);
}

TEST(DraggingTest, AWholeCarriedBlockShowsAsItWillLieOnceDropped) {
    // The block {0, 1, 2} is carried over the loose row below it, the view scrolled.
    TestGame game({.rows = 2, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    ASSERT_EQ(game.dropBeside(2, 1, kRight), JoinReaction::Joined);
    game.field().extraOptions.showWholeBlock = true;
    Viewport& v = game.field().viewport;
    v.scrollX = 30;
    v.scrollY = 10;
    const Point from = game.centre(1);
    game.pick(from, kDragChord);
    game.dragTo({from.x + 20, from.y + 100});
    std::vector<Region> before;
    for (int i : {0, 1, 2})
        before.push_back(game.set().fieldRegions()[i]);
    game.platform.clearRecords();
    game.dragTo({from.x + 37, from.y + 140});

    // Every member's old and new place is repainted.
    for (int i : {0, 1, 2}) {
        const Region moved = (before[i] | game.set().fieldRegions()[i]).translated(-30, -10);
        EXPECT_TRUE((moved - game.platform.invalidated).isEmpty()) << "member " << i;
    }
    Bitmap32 carried;
    ComposeClientArea(game.field(), carried, v.clientRect);
    ASSERT_EQ(game.field().heldElement, 1);
    ReleaseElement(game.field());
    Bitmap32 dropped;
    ComposeClientArea(game.field(), dropped, v.clientRect);
    EXPECT_TRUE(DifferingPixels(carried, dropped).empty());
}

TEST(DraggingTest, ClientAreaShowsTheFieldAtTheScrollOffsetAndTheHeldElementOnTop) {
    TestGame game;
    Viewport& v = game.field().viewport;
    v.scrollX = 120;
    v.scrollY = 10;
    game.pick(game.centre(3), kDragChord);
    game.dragTo({game.centre(3).x - 60, game.centre(3).y + 5});
    Bitmap32 seen(800, 600, 0x123456);
    const Rect area{0, 100, 400, 300};
    ComposeClientArea(game.field(), seen, area);
    const Region held = game.set().fieldRegions()[3];
    const Element& e = game.set().element(3);
    const Bitmap32 image = RenderElementImage(e, game.set(), game.picture, kContourPixel);
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const Point f = v.toField({x, y});
            std::uint32_t expected = 0x123456;
            if (area.contains(x, y)) {
                expected = held.contains(f.x, f.y)
                               ? image.pixel(f.x - e.fieldRect.left, f.y - e.fieldRect.top)
                               : game.field().fieldPicture.pixel(f.x, f.y);
            }
            ASSERT_EQ(seen.pixel(x, y), expected) << x << "," << y;
        }
    }
}

struct LimitCase {
    const char* name;
    int element;
    Point motion;
    Point expectedCore;
};

class DragLimitTest : public ::testing::TestWithParam<LimitCase> {};

// The view is scrolled to (100, 50) and shows field x 100..900, y 50..650.
TEST_P(DragLimitTest, CoreSquareStopsAtTheVisibleEdgeInTheDirectionOfMotion) {
    const LimitCase& c = GetParam();
    TestGame game;
    game.field().viewport.scrollX = 100;
    game.field().viewport.scrollY = 50;
    const Point from{game.core(c.element).x + 5, game.core(c.element).y + 5};
    game.pick(from, kDragChord);
    ASSERT_EQ(game.field().heldElement, c.element);
    game.dragTo({from.x + c.motion.x, from.y + c.motion.y});
    EXPECT_EQ(game.core(c.element), c.expectedCore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragLimitTest,
    ::testing::Values(LimitCase{"free_move", 3, {10, 10}, {196, 196}},
                      LimitCase{"far_left", 3, {-500, 0}, {100, 186}},
                      LimitCase{"far_right", 3, {2000, 0}, {836, 186}},
                      LimitCase{"far_up", 3, {0, -500}, {186, 50}},
                      LimitCase{"far_down", 3, {0, 2000}, {186, 586}},
                      // Already left of the view and above it: a step left jumps to the left
                      // edge, and the height stays as it is without vertical motion.
                      LimitCase{"outside_jumps_in", 0, {-1, 0}, {100, 36}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DraggingTest, DetachChordMovesWithoutSnappingUntilTheDragChordReturns) {
    TestGame game({.rows = 1, .columns = 3});
    const Point beside{game.core(0).x + 64 + 1, game.core(0).y};
    const Point from = game.centre(1);
    game.pick(from, kLeftButton | kShiftKey);
    const Point to{from.x + beside.x - game.core(1).x, from.y + beside.y - game.core(1).y};
    EXPECT_EQ(game.dragTo(to, kLeftButton | kShiftKey), JoinReaction::Nothing);
    EXPECT_EQ(game.core(1), beside);
    EXPECT_TRUE(game.set().element(1).alone);
    EXPECT_EQ(game.dragTo(to, kDragChord), JoinReaction::Joined);
    EXPECT_EQ(game.core(1), (Point{beside.x - 1, beside.y}));
}

TEST(DraggingTest, OtherKeyStatesLeaveTheHeldElementWhereItIs) {
    for (int enableMouseScroll : {0, 1}) {
        TestGame game;
        game.settings.enableMouseScroll = enableMouseScroll;
        const Point at = game.core(3);
        game.pick(game.centre(3), kDragChord);
        EXPECT_EQ(game.dragTo({500, 400}, kRightButton), JoinReaction::Nothing);
        EXPECT_EQ(game.dragTo({500, 400}, kLeftButton | kControlKey), JoinReaction::Nothing);
        EXPECT_EQ(game.core(3), at) << "edge scrolling " << enableMouseScroll;
        EXPECT_EQ(game.field().heldElement, 3);
    }
}

TEST(DraggingTest, MiddleButtonPullsOneElementOutAndShiftMiddleTakesTheBlock) {
    TestGame game({.rows = 1, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);

    game.pick(game.centre(1), kMiddleButton | kShiftKey);
    EXPECT_EQ(game.set().members(1).size(), 2u) << "Shift + middle is no detach chord";
    ReleaseElement(game.field());

    game.pick(game.centre(1), kMiddleButton);
    EXPECT_TRUE(game.set().element(1).alone);
    EXPECT_TRUE(game.set().element(0).alone);
    EXPECT_TRUE(game.set().element(1).lifted);
    const Point at = game.core(1);
    game.dragTo({game.centre(1).x + 40, game.centre(1).y + 150}, kMiddleButton);
    EXPECT_EQ(game.core(1), (Point{at.x + 40, at.y + 150}));
    ReleaseElement(game.field());
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(DraggingTest, ASecondPressWhileHoldingTakesNothing) {
    TestGame game;
    game.pick(game.centre(0), kDragChord);
    game.pick(game.centre(1), kMiddleButton);
    EXPECT_EQ(game.field().heldElement, 0);
    EXPECT_FALSE(game.set().element(1).lifted);
    ReleaseElement(game.field());
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(DraggingTest, SnapEndsTheDragAndFurtherMovesDoNothing) {
    TestGame game({.rows = 1, .columns = 3});
    const Point from = game.centre(1);
    game.pick(from, kDragChord);
    EXPECT_TRUE(game.platform.isMouseCaptured);
    const Point target{game.core(0).x + 64 + 4, game.core(0).y - 3};
    EXPECT_EQ(game.dragTo({from.x + target.x - game.core(1).x, from.y + target.y - game.core(1).y}),
              JoinReaction::Joined);
    EXPECT_EQ(game.field().heldElement, -1);
    EXPECT_FALSE(game.platform.isMouseCaptured);
    // The release may go to another window (the completion window): the pointer shows now.
    EXPECT_EQ(game.platform.cursors.back(), CursorShape::Arrow);
    EXPECT_TRUE(game.platform.sounds.empty());
    const Point snapped = game.core(1);
    EXPECT_EQ(snapped, (Point{game.core(0).x + 64, game.core(0).y}));
    EXPECT_EQ(game.dragTo({400, 400}), JoinReaction::Nothing);
    EXPECT_EQ(game.core(1), snapped);
    EXPECT_EQ(game.set().zOrder()[0], 1);
    EXPECT_EQ(game.set().zOrder()[1], 0);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(DraggingTest, CarriedBlockSnapsAsAWhole) {
    TestGame game({.rows = 1, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    // Carry the block {0, 1} by element 0 so that element 1 lands beside element 2.
    EXPECT_EQ(game.dropBeside(1, 2, kLeft, {2, 2}), JoinReaction::CompletedNow);
    EXPECT_EQ(game.set().members(2).size(), 3u);
    EXPECT_EQ(game.core(0), (Point{game.core(2).x - 128, game.core(2).y}));
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

}  // namespace
}  // namespace tessary
