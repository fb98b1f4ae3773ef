#include <gtest/gtest.h>

#include "field/dragging.h"
#include "field/edge_scroll.h"
#include "field/key_state.h"
#include "field/keyboard_and_wheel.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

// The test field is 1200 x 900 behind an 800 x 600 client area: limits 400 and 300.

TEST(KeyboardTest, LeftArrowClampsAtZeroAndThenDoesNothing) {
    TestGame game;
    game.field().viewport.scrollX = 5;
    EXPECT_TRUE(ScrollWithArrowKey(game.field(), ArrowKey::Left));
    EXPECT_EQ(game.field().viewport.scrollX, 0);
    EXPECT_EQ(game.platform.wholeInvalidations, 1);
    EXPECT_FALSE(ScrollWithArrowKey(game.field(), ArrowKey::Left));
    EXPECT_EQ(game.platform.wholeInvalidations, 1);
}

TEST(KeyboardTest, ArrowsStepByTheKeyboardSpeedWithinTheLimits) {
    TestGame game;
    Viewport& v = game.field().viewport;
    ScrollWithArrowKey(game.field(), ArrowKey::Right);
    ScrollWithArrowKey(game.field(), ArrowKey::Down);
    EXPECT_EQ((Point{v.scrollX, v.scrollY}), (Point{160, 160}));
    ScrollWithArrowKey(game.field(), ArrowKey::Right);
    ScrollWithArrowKey(game.field(), ArrowKey::Right);
    ScrollWithArrowKey(game.field(), ArrowKey::Down);
    EXPECT_EQ((Point{v.scrollX, v.scrollY}), (Point{400, 300}));
    ScrollWithArrowKey(game.field(), ArrowKey::Up);
    EXPECT_EQ(v.scrollY, 140);
    EXPECT_EQ(game.platform.repaints, 0) << "the keyboard only invalidates";
}

TEST(KeyboardTest, KeysAreIgnoredWhileAnElementIsHeld) {
    TestGame game;
    game.field().heldElement = 0;
    EXPECT_FALSE(ScrollWithArrowKey(game.field(), ArrowKey::Right));
    EXPECT_EQ(game.field().viewport.scrollX, 0);
}

struct WheelCase {
    const char* name;
    bool rotates, scrolls, overElement, isHeld;
    int keyState, delta;
    bool handled;
    Point expectedOrigin;  // from (100, 100); bitmapSide is 99
    bool expectRotation;
};

class WheelTest : public ::testing::TestWithParam<WheelCase> {};

TEST_P(WheelTest, DecidesBetweenTurningAndScrolling) {
    const WheelCase& c = GetParam();
    TestGame game;
    game.settings.wheelRotateElements = c.rotates ? 1 : 0;
    game.settings.scrollWheel = c.scrolls ? 1 : 0;
    Viewport& v = game.field().viewport;
    v.scrollX = v.scrollY = 100;
    game.pointAt(c.overElement ? game.centre(3) : Point{700, 600});
    if (c.isHeld)
        game.field().heldElement = 0;
    const int rotation = game.set().element(3).rotation;
    EXPECT_EQ(HandleWheel(game.field(), c.keyState, c.delta), c.handled);
    EXPECT_EQ((Point{v.scrollX, v.scrollY}), c.expectedOrigin);
    EXPECT_EQ(game.set().element(3).rotation != rotation, c.expectRotation);
}

constexpr int kNone = 0;
INSTANTIATE_TEST_SUITE_P(
    Cases, WheelTest,
    ::testing::Values(
        WheelCase{
            "over_piece_turns_it", true, true, true, false, kNone, -120, true, {100, 100}, true},
        WheelCase{"over_background_scrolls",
                  true,
                  true,
                  false,
                  false,
                  kNone,
                  -120,
                  true,
                  {100, 199},
                  false},
        WheelCase{"big_notch_is_one_step",
                  false,
                  true,
                  false,
                  false,
                  kNone,
                  -240,
                  true,
                  {100, 199},
                  false},
        WheelCase{
            "away_scrolls_back", false, true, false, false, kNone, 120, true, {100, 1}, false},
        WheelCase{"shift_alone_is_horizontal",
                  false,
                  true,
                  false,
                  false,
                  kShiftKey,
                  -120,
                  true,
                  {199, 100},
                  false},
        WheelCase{"right_button_scrolls_horizontally_and_never_turns",
                  true,
                  true,
                  true,
                  false,
                  kRightButton,
                  -120,
                  true,
                  {199, 100},
                  false},
        WheelCase{"shift_ctrl_is_vertical",
                  false,
                  true,
                  false,
                  false,
                  kShiftKey | kControlKey,
                  -120,
                  true,
                  {100, 199},
                  false},
        WheelCase{"left_button_is_not_handled",
                  true,
                  true,
                  true,
                  false,
                  kLeftButton,
                  -120,
                  false,
                  {100, 100},
                  false},
        WheelCase{
            "scroll_off_is_done", false, false, false, false, kNone, -120, true, {100, 100}, false},
        WheelCase{"held_element_stops_the_scroll",
                  false,
                  true,
                  false,
                  true,
                  kNone,
                  -120,
                  false,
                  {100, 100},
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EdgeScrollTest, CornerStripScrollsDiagonallyUntilBothLimits) {
    TestGame game;
    game.settings.mouseScrollSpeed = 7;
    Viewport& v = game.field().viewport;
    int steps = 0;
    while (EdgeScrollStep(game.field(), kNone, {795, 590}))
        ++steps;
    EXPECT_EQ((Point{v.scrollX, v.scrollY}), (Point{400, 300}));
    EXPECT_EQ(steps, 58);  // 400 / 7 rounded up; the vertical limit is reached after 43
    EXPECT_EQ(game.platform.repaints, steps) << "every step repaints at once";
}

struct EdgeCase {
    const char* name;
    int keyState;
    Point client;
    Point expectedOrigin;  // from (100, 100), speed 3, strips of 20
};

class EdgeScrollCaseTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeScrollCaseTest, StripsAndKeyStates) {
    const EdgeCase& c = GetParam();
    TestGame game;
    Viewport& v = game.field().viewport;
    v.scrollX = v.scrollY = 100;
    EdgeScrollStep(game.field(), c.keyState, c.client);
    EXPECT_EQ((Point{v.scrollX, v.scrollY}), c.expectedOrigin);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EdgeScrollCaseTest,
    ::testing::Values(EdgeCase{"left_strip", kNone, {19, 300}, {97, 100}},
                      EdgeCase{"just_outside_left_strip", kNone, {20, 300}, {100, 100}},
                      EdgeCase{"right_edge_itself", kNone, {800, 300}, {103, 100}},
                      EdgeCase{"bottom_edge_itself_is_outside", kNone, {300, 600}, {100, 100}},
                      EdgeCase{"top_left_corner", kNone, {0, 0}, {97, 97}},
                      EdgeCase{"right_button_held", kRightButton, {19, 300}, {97, 100}},
                      EdgeCase{"drag_chord", kDragChord, {19, 300}, {100, 100}},
                      EdgeCase{"detach_chord", kMiddleButton, {19, 300}, {100, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EdgeScrollTest, PreconditionsStopIt) {
    TestGame game;
    game.settings.enableMouseScroll = 0;
    EXPECT_FALSE(EdgeScrollStep(game.field(), kNone, {795, 590}));
    game.settings.enableMouseScroll = 1;
    game.field().cursor.setCapturing(true);
    EXPECT_FALSE(EdgeScrollStep(game.field(), kNone, {795, 590}));
    game.field().cursor.setCapturing(false);
    game.field().elements = nullptr;
    EXPECT_FALSE(EdgeScrollStep(game.field(), kNone, {795, 590}));
}

// A piece carried into the right strip with scrollWhileCarrying: the pointer rests at client
// (760, 68), in the 50-pixel strip, and the window repeats the drag step there.
class CarryScrollTest : public ::testing::Test {
protected:
    CarryScrollTest() : game({.rows = 1, .columns = 2}) {
        game.settings.mouseScrollArea = 50;
        game.settings.mouseScrollSpeed = 10;
        game.field().extraOptions.scrollWhileCarrying = true;
    }

    JoinReaction restInStrip() {
        return DragStep(game.field(), kDragChord, kInStrip, game.isMarkedComplete);
    }

    static constexpr Point kInStrip{760, 68};
    TestGame game;
};

TEST_F(CarryScrollTest, TheViewScrollsUnderTheCarriedPieceUntilTheFieldEnds) {
    const Viewport& v = game.field().viewport;
    game.pick(game.centre(0), kDragChord);
    game.field().extraOptions.scrollWhileCarrying = false;
    restInStrip();
    EXPECT_EQ(v.scrollX, 0) << "the option is off";
    game.field().extraOptions.scrollWhileCarrying = true;

    for (int step = 1; step <= 45; ++step) {
        restInStrip();
        EXPECT_EQ(v.scrollX, std::min(10 * step, 400)) << step;
        EXPECT_EQ(game.core(0), (Point{728 + v.scrollX, 36})) << step;
        EXPECT_EQ(HitTest(game.field(), v.toField(kInStrip)), 0) << step;
    }
    EXPECT_EQ(game.platform.repaints, 40) << "each step that scrolled repaints at once";
    ReleaseElement(game.field());
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST_F(CarryScrollTest, ACarriedPieceSnapsWhereTheScrollTakesIt) {
    // Element 1, the right neighbour of element 0, lies beyond the view.
    game.set().moveElement(1, 1002 - game.core(1).x, 0);
    RedrawField(game.field(), {.clear = true});
    game.pick(game.centre(0), kDragChord);
    int steps = 0;
    JoinReaction reaction = JoinReaction::Nothing;
    while (reaction == JoinReaction::Nothing && game.field().heldElement >= 0 && steps < 50) {
        reaction = restInStrip();
        ++steps;
    }
    EXPECT_EQ(reaction, JoinReaction::CompletedNow);
    EXPECT_GT(steps, 10);
    EXPECT_EQ(game.core(0), (Point{1002 - 64, 36}));
    EXPECT_EQ(game.field().heldElement, -1);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

}  // namespace
}  // namespace tessary
