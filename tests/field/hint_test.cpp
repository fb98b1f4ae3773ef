#include <gtest/gtest.h>

#include <vector>

#include "core/field_region.h"
#include "field/hint.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

// The test field is 1200 x 900 behind an 800 x 600 client area (limits 400 and 300); elements
// lie 150 apart from (20, 20) in picture order, all in view.

constexpr std::int64_t kNow = kCursorTime;

// Where the hint puts the pointer for an element: its cell centre in client coordinates.
Point HintTarget(TestGame& game, int index) {
    const Rect& r = game.set().element(index).fieldRect;
    const int half = game.g().cellSize / 2;
    return game.field().viewport.toClient({r.left + half, r.top + half});
}

// Puts the element's bitmap with its top-left corner at a field point.
void MoveTo(TestGame& game, int index, Point topLeft) {
    game.set().placeElement(index, topLeft);
    BuildFieldRegion(game.set(), index);
}

// Joins two elements in the tables only: what the hint reads.
void Link(TestGame& game, int a, Side fieldSideOfA, int b) {
    game.set().element(a).links[fieldSideOfA] = b;
    game.set().element(a).alone = false;
}

TEST(HintTest, OverTheBackgroundNothingHappens) {
    TestGame game;
    game.pointAt({10, 10});
    game.field().cursor.showHint(true, kNow - 10);  // a hint cursor still up goes at once
    game.platform.cursors.clear();
    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::Nothing);
    EXPECT_EQ(game.platform.cursors, std::vector<CursorShape>{CursorShape::Arrow});
    EXPECT_EQ(game.platform.pointer, (Point{10, 10}));
}

TEST(HintTest, NothingWhileAnElementIsHeldOrNoneExist) {
    TestGame game;
    game.pointAt(game.centre(0));
    game.field().heldElement = 3;
    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::Nothing);
    game.field().heldElement = -1;
    game.field().elements = nullptr;
    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::Nothing);
    EXPECT_TRUE(game.platform.cursors.empty());
}

struct NoHintCase {
    const char* name;
    bool isEnclosed;
    std::vector<Side> linkedFieldSides;  // of element 0, the top-left of 2 x 2
    int rotation;
};

class NoHintTest : public ::testing::TestWithParam<NoHintCase> {};

TEST_P(NoHintTest, ShowsTheNoHintCursorAndNudgesThePointer) {
    const NoHintCase& c = GetParam();
    TestGame game;
    Element& e = game.set().element(0);
    e.rotation = c.rotation;
    e.enclosed = c.isEnclosed;
    for (Side side : c.linkedFieldSides)
        Link(game, 0, side, 1);
    game.pointAt(game.centre(0));
    const Point before = game.platform.pointer;
    const std::vector<int> zOrder(game.set().zOrder().begin(), game.set().zOrder().end());

    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::NoHint);
    EXPECT_EQ(game.platform.cursors, std::vector<CursorShape>{CursorShape::NoHint});
    EXPECT_EQ(game.platform.pointer, (Point{before.x + 1, before.y + 1}));
    EXPECT_EQ(std::vector<int>(game.set().zOrder().begin(), game.set().zOrder().end()), zOrder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoHintTest,
    ::testing::Values(
        NoHintCase{"Enclosed", true, {kTop, kRight, kBottom, kLeft}, 0},
        // The corner's picture right and bottom are joined; its top and left are the border.
        NoHintCase{"CornerJoinedOnItsTwoInnerSides", false, {kRight, kBottom}, 0},
        // Turned a quarter counter-clockwise: picture right shows on the field's top, picture
        // bottom on the field's right.
        NoHintCase{"TurnedCornerJoinedOnItsTwoInnerSides", false, {kTop, kRight}, 1},
        NoHintCase{"HalfTurnedCornerJoinedOnItsTwoInnerSides", false, {kLeft, kTop}, 2},
        NoHintCase{"ThreeQuarterTurnedCornerJoined", false, {kBottom, kLeft}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

struct OrderCase {
    const char* name;
    int rotation;                        // of the middle element 4 of 3 x 3
    std::vector<Side> linkedFieldSides;  // its joined sides on the field
    int expected;                        // the neighbour hinted
};

class HintOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(HintOrderTest, TakesTheFirstMissingPictureNeighbourTopRightBottomLeft) {
    const OrderCase& c = GetParam();
    TestGame game({.rows = 3, .columns = 3});
    game.set().element(4).rotation = c.rotation;
    for (Side side : c.linkedFieldSides)
        Link(game, 4, side, 0);
    game.pointAt(game.centre(4));

    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::Hint);
    EXPECT_EQ(game.platform.pointer, HintTarget(game, c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HintOrderTest,
    ::testing::Values(OrderCase{"NothingJoinedGivesTheTop", 0, {}, 1},
                      OrderCase{"TopJoinedGivesTheRight", 0, {kTop}, 5},
                      OrderCase{"TopAndRightJoinedGiveTheBottom", 0, {kTop, kRight}, 7},
                      OrderCase{"OnlyLeftMissingGivesTheLeft", 0, {kTop, kRight, kBottom}, 3},
                      // Rotation 1: the picture's top shows on the field's left.
                      OrderCase{"QuarterTurnFieldLeftIsPictureTop", 1, {kLeft}, 5},
                      OrderCase{"QuarterTurnFieldTopIsPictureRight", 1, {kLeft, kTop}, 7},
                      // Rotation 3: the picture's top shows on the field's right.
                      OrderCase{"ThreeQuarterTurnFieldRightIsPictureTop", 3, {kRight}, 5},
                      OrderCase{
                          "ThreeQuarterTurnFieldBottomIsPictureRight", 3, {kRight, kBottom}, 7},
                      // Rotation 2: the picture's top shows on the field's bottom.
                      OrderCase{"HalfTurnFieldBottomIsPictureTop", 2, {kBottom}, 5},
                      OrderCase{"HalfTurnFieldLeftIsPictureRight", 2, {kBottom, kLeft}, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HintTest, NeighbourInViewIsRaisedWithItsBlockAndThePointerPutOnIt) {
    TestGame game({.rows = 2, .columns = 3});
    game.dropBeside(4, 1, kBottom);  // 1 and 4 one block, 4 topmost
    ASSERT_TRUE(game.set().isSameBlock(1, 4));
    game.pointAt(game.centre(0));
    game.platform.clearRecords();

    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::Hint);
    EXPECT_EQ(game.platform.pointer, HintTarget(game, 1));
    EXPECT_EQ(game.platform.cursors, std::vector<CursorShape>{CursorShape::Hint});
    EXPECT_EQ(game.set().zOrder()[0], 4);
    EXPECT_EQ(game.set().zOrder()[1], 1);
    EXPECT_EQ((Point{game.field().viewport.scrollX, game.field().viewport.scrollY}), (Point{0, 0}));
    EXPECT_EQ(game.platform.repaints, 0);
    EXPECT_FALSE(game.platform.invalidated.isEmpty());
    EXPECT_TRUE(DifferingPixels(game.field().fieldPicture, game.redrawnFromScratch()).empty())
        << "the raised block is drawn on top";
}

TEST(HintTest, NeighbourInViewWinsOverAnEarlierOneOutOfView) {
    TestGame game({.rows = 3, .columns = 3});
    MoveTo(game, 1, {1050, 750});  // the top neighbour of 4, out of view
    game.pointAt(game.centre(4));

    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::Hint);
    EXPECT_EQ(game.platform.pointer, HintTarget(game, 5));
    EXPECT_EQ(game.field().viewport.scrollX, 0);
}

struct ScrollCase {
    const char* name;
    Point startScroll;
    Point centre;          // the field point the neighbour's cell centre is moved to
    Point expectedScroll;  // the view shows the centre 32 inside the nearest edge, if it can
};

class HintScrollTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(HintScrollTest, ScrollsJustEnoughToBringTheNeighbourIn) {
    const ScrollCase& c = GetParam();
    TestGame game({.rows = 1, .columns = 2});
    Viewport& view = game.field().viewport;
    const int half = game.g().cellSize / 2;
    view.scrollX = c.startScroll.x;
    view.scrollY = c.startScroll.y;
    MoveTo(game, 0, {view.scrollX + 300, view.scrollY + 250});
    MoveTo(game, 1, {c.centre.x - half, c.centre.y - half});
    game.pointAt(game.centre(0));
    game.platform.clearRecords();

    EXPECT_EQ(ShowHint(game.field(), kNow), HintOutcome::Hint);
    EXPECT_EQ((Point{view.scrollX, view.scrollY}), c.expectedScroll);
    EXPECT_EQ(game.platform.pointer,
              (Point{c.centre.x - c.expectedScroll.x, c.centre.y - c.expectedScroll.y}));
    EXPECT_EQ(game.set().zOrder()[0], 1);
    EXPECT_EQ(game.platform.wholeInvalidations, 1);
    EXPECT_EQ(game.platform.repaints, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HintScrollTest,
    ::testing::Values(
        // V is the client area shrunk by 32: field x from scrollX + 32 to scrollX + 768.
        ScrollCase{"RightOnly", {0, 0}, {1000, 300}, {232, 0}},
        ScrollCase{"RightAndDown", {0, 0}, {1000, 700}, {232, 132}},
        ScrollCase{"RightBeyondTheLimit", {0, 0}, {1180, 300}, {400, 0}},
        ScrollCase{"LeftAndUp", {400, 300}, {200, 100}, {168, 68}},
        ScrollCase{"LeftBeyondTheLimit", {400, 300}, {20, 400}, {0, 300}},
        // Just outside V on the right edge (V's right edge lies outside): the centre counts as
        // out of view, yet lies on the edge, so the view stays.
        ScrollCase{"OnTheRightEdgeOfTheView", {0, 0}, {768, 300}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
