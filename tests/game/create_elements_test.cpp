#include "game/create_elements.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/element_set.h"
#include "game_harness.h"

namespace tessary {
namespace {

using testing::GameHarness;
using testing::HarnessOptions;
using testing::PicturePixel;

TEST(CreateElementsTest, OneByOneGameIsFlatAtTheOriginOnAScreenSizedField) {
    GameHarness h({.columns = 1, .rows = 1, .elementSize = 64, .rotateElements = false});
    ASSERT_EQ(h.create(), GameOutcome::Created);

    const Element& e = h.state.elements->element(0);
    EXPECT_EQ(e.knobs, (EdgeTable{0, 0, 0, 0}));
    EXPECT_EQ(e.knobShifts, (EdgeTable{0, 0, 0, 0}));
    EXPECT_EQ(e.fieldRect.left, 0);
    EXPECT_EQ(e.fieldRect.top, 0);
    EXPECT_EQ(h.field.viewport.fieldWidth, 1024);
    EXPECT_EQ(h.field.viewport.fieldHeight, 768);
    EXPECT_TRUE(h.state.isInProgress());
    EXPECT_EQ(h.field.elements, h.state.elements.get());
}

TEST(CreateElementsTest, WithOffsetsAndRotationOffNothingIsShiftedOrTurned) {
    GameHarness h({.rotateElements = false, .enableOffset = false});
    ASSERT_EQ(h.create(), GameOutcome::Created);
    for (const Element& e : h.state.elements->elementTable()) {
        EXPECT_EQ(e.knobShifts, (EdgeTable{0, 0, 0, 0})) << e.index;
        EXPECT_EQ(e.rotation, 0) << e.index;
    }
}

TEST(CreateElementsTest, WithOffsetsAndRotationOnSomeElementsAreShiftedAndTurned) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    std::set<int> rotations, shifts;
    for (const Element& e : h.state.elements->elementTable()) {
        rotations.insert(e.rotation);
        shifts.insert(e.knobShifts.begin(), e.knobShifts.end());
    }
    EXPECT_EQ(rotations, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(shifts, (std::set<int>{-1, 0, 1}));
}

TEST(CreateElementsTest, ScatterFillsEveryCellOfTheGridOnce) {
    GameHarness h({.columns = 7, .rows = 5});
    ASSERT_EQ(h.create(), GameOutcome::Created);
    const ElementSet& set = *h.state.elements;
    const int W = h.state.plan.bitmapSide, S = h.state.plan.elementSize;
    const int margin = h.state.plan.cellMargin;
    std::set<std::pair<int, int>> cells;
    for (const Element& e : set.elementTable()) {
        const Rect& r = e.fieldRect;
        ASSERT_EQ(r.left % W, 0);
        ASSERT_EQ(r.top % W, 0);
        EXPECT_EQ(r.width(), W);
        EXPECT_EQ(set.baseRects()[e.index],
                  (Rect{r.left + margin, r.top + margin, r.left + margin + S, r.top + margin + S}));
        const int column = r.left / W, row = r.top / W;
        EXPECT_TRUE(column >= 0 && column < 7 && row >= 0 && row < 5);
        cells.insert({column, row});
    }
    EXPECT_EQ(cells.size(), 35u);
}

struct FieldSizeRow {
    const char* name;
    int columns;
    int rows;
    int width;
    int height;
};

class FieldSizeTest : public ::testing::TestWithParam<FieldSizeRow> {};

TEST_P(FieldSizeTest, FieldIsTheGridPlusFrameAndMarginButNeverBelowTheScreen) {
    const FieldSizeRow& row = GetParam();
    GameHarness h(
        {.columns = row.columns, .rows = row.rows, .elementSize = 64, .rotateElements = false});
    ASSERT_EQ(h.create(), GameOutcome::Created);
    ASSERT_EQ(h.state.plan.bitmapSide, 99);
    EXPECT_EQ(h.field.viewport.fieldWidth, row.width);
    EXPECT_EQ(h.field.viewport.fieldHeight, row.height);
    EXPECT_EQ(h.field.fieldPicture.width(), row.width);
    EXPECT_EQ(h.field.viewport.scrollMaxX, row.width - 1024);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldSizeTest,
    ::testing::Values(FieldSizeRow{"four_by_three_keeps_the_screen", 4, 3, 1024, 768},
                      // 40 x 99 + (1024 - 1020) + 50, 30 x 99 + (768 - 740) + 50
                      FieldSizeRow{"forty_by_thirty_grows", 40, 30, 4014, 3048}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CreateElementsTest, ProgressStepsOncePerElementUnderItsCaption) {
    GameHarness h({.columns = 6, .rows = 3});
    ASSERT_EQ(h.create(), GameOutcome::Created);
    EXPECT_EQ(h.platform.progressCaptions, std::vector<std::string>{"Создание элементов..."});
    EXPECT_EQ(h.platform.progressRanges, std::vector<int>{18});
    EXPECT_EQ(h.platform.progressSteps, 18);
    EXPECT_EQ(h.platform.progressEnds, 1);
}

TEST(CreateElementsTest, FieldShowsEachElementsPictureAndTheClockRunsFromZero) {
    GameHarness h({.rotateElements = false});
    ASSERT_EQ(h.create(), GameOutcome::Created);
    EXPECT_EQ(h.platform.sounds, std::vector<Sound>{Sound::Join});
    const ElementSet& set = *h.state.elements;
    const int S = h.state.plan.elementSize;
    for (const Element& e : set.elementTable()) {
        const Rect& core = set.baseRects()[e.index];
        const int column = e.index % set.columns(), row = e.index / set.columns();
        const int x = S / 2, y = S / 2;
        EXPECT_EQ(h.field.fieldPicture.pixel(core.left + x, core.top + y),
                  PicturePixel(column * S + x, row * S + y))
            << e.index;
    }
    EXPECT_TRUE(h.state.clock.isRunning());
    h.now += 61;
    EXPECT_EQ(h.state.clock.displayText(), "00:01:01");
}

TEST(CreateElementsTest, RunningOutOfMemoryReleasesTheHalfBuiltGameAndLeavesItCut) {
    GameHarness h;
    h.platform.failAtStep = 7;
    EXPECT_EQ(h.create(), GameOutcome::CreationOutOfMemory);
    EXPECT_EQ(h.state.elements, nullptr);
    EXPECT_FALSE(h.state.elementsCreated);
    EXPECT_TRUE(h.state.pictureLoaded);
    EXPECT_TRUE(h.state.pictureCut);
    EXPECT_TRUE(h.state.canCreateElements());
    EXPECT_EQ(h.field.elements, nullptr);
    EXPECT_FALSE(h.state.clock.isRunning());
    EXPECT_EQ(h.platform.progressEnds, 1);

    h.platform.failAtStep = -1;
    EXPECT_EQ(h.create(), GameOutcome::Created);
}

TEST(CreateElementsTest, WithoutACutPictureNothingIsCreated) {
    GameHarness h;
    h.state.pictureCut = false;
    EXPECT_EQ(h.create(), GameOutcome::Refused);
    EXPECT_EQ(h.state.elements, nullptr);
    EXPECT_TRUE(h.platform.progressCaptions.empty());
}

}  // namespace
}  // namespace tessary
