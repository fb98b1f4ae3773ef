#include "field/capture_selection.h"

#include <gtest/gtest.h>

#include "core/game_settings.h"
#include "field/field.h"
#include "field/viewport.h"
#include "recording_platform.h"

namespace tessary {
namespace {

// A 1200 x 900 field behind an 800 x 600 client area.
class CaptureTest : public ::testing::Test {
protected:
    CaptureTest() {
        field.viewport.clientRect = {0, 0, 800, 600};
        SetFieldSize(field, 1200, 900);
        platform.watchCursor(field.cursor, 0);
    }

    void scrollTo(Point origin) {
        field.viewport.scrollX = origin.x;
        field.viewport.scrollY = origin.y;
    }

    GameSettings settings;
    RecordingPlatform platform;
    Field field{settings, platform};
    CaptureSelection selection;
};

struct DragRow {
    const char* name;
    Point scroll;
    Point press;
    Point release;  // client points
    CaptureRect expected;
};

constexpr CaptureRect kNothing{};

const DragRow kDrags[] = {
    {"right_and_down", {0, 0}, {10, 20}, {110, 70}, {10, 20, 110, 70}},
    {"left_and_up", {0, 0}, {110, 70}, {10, 20}, {10, 20, 110, 70}},
    {"right_and_up", {0, 0}, {10, 70}, {110, 20}, {10, 20, 110, 70}},
    {"left_and_down", {0, 0}, {110, 20}, {10, 70}, {10, 20, 110, 70}},
    {"scrolled_into_field_coordinates", {400, 300}, {10, 20}, {110, 70}, {410, 320, 510, 370}},
    {"past_the_right_and_bottom_edges", {400, 300}, {700, 500}, {950, 700}, {1100, 800, 1200, 900}},
    {"past_the_left_and_top_edges", {0, 0}, {50, 60}, {-30, -40}, {0, 0, 50, 60}},
    {"entirely_left_of_the_field", {0, 0}, {-50, 10}, {-10, 100}, kNothing},
    {"entirely_above_the_field", {0, 0}, {10, -50}, {100, -5}, kNothing},
    {"a_line_without_area", {0, 0}, {10, 10}, {100, 10}, kNothing},
};

class CaptureDragTest : public CaptureTest, public ::testing::WithParamInterface<DragRow> {};

TEST_P(CaptureDragTest, MarksTheBoxWhileDraggingAndCapturesItCutAtTheField) {
    const DragRow& row = GetParam();
    scrollTo(row.scroll);
    ArmCaptureRectangle(field, selection);
    EXPECT_TRUE(field.cursor.isCapturing()) << "no edge scrolling while choosing";
    ASSERT_TRUE(CaptureMouseDown(field, selection, true, row.press));
    EXPECT_TRUE(platform.isMouseCaptured);

    // Halfway, then beyond the release point: the window shows exactly the box from the press
    // to the pointer, and each step inverts only the pixels that change.
    const Point halfway{(row.press.x + row.release.x) / 2, (row.press.y + row.release.y) / 2};
    const Point beyond{2 * row.release.x - row.press.x, 2 * row.release.y - row.press.y};
    Region shown;
    for (Point pointer : {halfway, beyond}) {
        const std::size_t before = platform.inversions.size();
        ASSERT_TRUE(CaptureMouseMove(field, selection, pointer));
        const Region box = Region::FromRect({row.press.x, row.press.y, pointer.x, pointer.y});
        EXPECT_EQ(platform.inverted, box);
        if (!(shown ^ box).isEmpty()) {
            ASSERT_EQ(platform.inversions.size(), before + 1);
            EXPECT_EQ(platform.inversions.back(), shown ^ box);
        }
        shown = box;
    }

    // Released away from the last move: the marking still goes completely.
    const CaptureRelease release = CaptureMouseUp(field, selection, true, row.release);
    EXPECT_TRUE(release.isConsumed);
    EXPECT_EQ(release.box, row.expected);
    EXPECT_TRUE(platform.inverted.isEmpty());
    EXPECT_FALSE(platform.isMouseCaptured);
    EXPECT_EQ(platform.cursors, (std::vector{CursorShape::Capture, CursorShape::Arrow}));
    EXPECT_EQ(selection.captureState, CaptureState::Normal);
    EXPECT_FALSE(field.cursor.isCapturing());
}

INSTANTIATE_TEST_SUITE_P(Drags, CaptureDragTest, ::testing::ValuesIn(kDrags),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureTest, EachMoveInvertsOnlyTheDifferenceOfTheTwoBoxes) {
    ArmCaptureRectangle(field, selection);
    CaptureMouseDown(field, selection, true, {1, 1});
    CaptureMouseMove(field, selection, {6, 4});
    // 6 x 4 -> 4 x 6: columns 4 and 5 of rows 1..3 go back, rows 4 and 5 of columns 1..3 come.
    //   .......
    //   ....##.
    //   ....##.
    //   ....##.
    //   .###...
    //   .###...
    CaptureMouseMove(field, selection, {4, 6});
    EXPECT_EQ(platform.inversions.back(),
              Region::FromRect({4, 1, 6, 4}) | Region::FromRect({1, 4, 4, 6}));
    // Crossing over the press to its top-left: the old box goes, the new one comes.
    CaptureMouseMove(field, selection, {0, 0});
    EXPECT_EQ(platform.inversions.back(),
              Region::FromRect({1, 1, 4, 6}) | Region::FromRect({0, 0, 1, 1}));
    // Back onto the press: nothing is marked, and a move that changes nothing inverts nothing.
    CaptureMouseMove(field, selection, {1, 1});
    EXPECT_TRUE(platform.inverted.isEmpty());
    const std::size_t count = platform.inversions.size();
    CaptureMouseMove(field, selection, {1, 5});
    EXPECT_EQ(platform.inversions.size(), count);
}

TEST_F(CaptureTest, OnlyTheEventsOfTheModeAreTaken) {
    // Normal handling: nothing is taken.
    EXPECT_FALSE(CaptureMouseDown(field, selection, true, {5, 5}));
    EXPECT_FALSE(CaptureMouseMove(field, selection, {6, 6}));
    EXPECT_FALSE(CaptureMouseUp(field, selection, true, {6, 6}).isConsumed);

    // Armed: only a left press starts the rectangle; moves and releases go to the pieces.
    ArmCaptureRectangle(field, selection);
    EXPECT_FALSE(CaptureMouseDown(field, selection, false, {5, 5}));
    EXPECT_FALSE(CaptureMouseMove(field, selection, {6, 6}));
    EXPECT_FALSE(CaptureMouseUp(field, selection, true, {6, 6}).isConsumed);
    EXPECT_EQ(selection.captureState, CaptureState::Armed);
    EXPECT_TRUE(CaptureMouseDown(field, selection, true, {5, 5}));
    EXPECT_EQ(selection.captureState, CaptureState::Dragging);

    // Dragging: other buttons are swallowed and change nothing.
    EXPECT_TRUE(CaptureMouseDown(field, selection, false, {7, 7}));
    const CaptureRelease other = CaptureMouseUp(field, selection, false, {30, 30});
    EXPECT_TRUE(other.isConsumed);
    EXPECT_TRUE(other.box.isEmpty());
    EXPECT_EQ(selection.captureState, CaptureState::Dragging);
    EXPECT_EQ(CaptureMouseUp(field, selection, true, {30, 40}).box, (CaptureRect{5, 5, 30, 40}));
}

TEST_F(CaptureTest, EscapeEndsTheModeWithoutCapturing) {
    EXPECT_FALSE(CancelCapture(field, selection));  // nothing to end

    ArmCaptureRectangle(field, selection);
    EXPECT_TRUE(CancelCapture(field, selection));
    EXPECT_EQ(selection.captureState, CaptureState::Normal);
    EXPECT_FALSE(field.cursor.isCapturing());
    EXPECT_EQ(platform.cursors.back(), CursorShape::Arrow);
    EXPECT_FALSE(CaptureMouseDown(field, selection, true, {5, 5}));  // the pieces get it again

    // Mid-drag: the marking goes and the mouse is free again.
    ArmCaptureRectangle(field, selection);
    CaptureMouseDown(field, selection, true, {5, 5});
    CaptureMouseMove(field, selection, {50, 40});
    ASSERT_FALSE(platform.inverted.isEmpty());
    EXPECT_TRUE(CancelCapture(field, selection));
    EXPECT_TRUE(platform.inverted.isEmpty());
    EXPECT_FALSE(platform.isMouseCaptured);
    EXPECT_TRUE(selection.marked.isEmpty());
    EXPECT_FALSE(CaptureMouseUp(field, selection, true, {50, 40}).isConsumed);
}

}  // namespace
}  // namespace tessary
