#include "core/cutting_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tessary {
namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

CuttingPlan Picture(int32_t width, int32_t height, int32_t elementSize = 0) {
    CuttingPlan plan;
    plan.pictureWidth = width;
    plan.pictureHeight = height;
    plan.elementSize = elementSize;
    return plan;
}

TEST(RoundHalfUpTest, RoundsHalvesUpAndSaturates) {
    EXPECT_EQ(RoundHalfUp(0.0), 0);
    EXPECT_EQ(RoundHalfUp(0.49), 0);
    EXPECT_EQ(RoundHalfUp(0.5), 1);
    EXPECT_EQ(RoundHalfUp(1.5625), 2);
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(1e12), Int32Max);
    EXPECT_EQ(RoundHalfUp(INFINITY), Int32Max);
    EXPECT_EQ(RoundHalfUp(NAN), 0);
}

TEST(PlanEditorTest, HundredSquareAt64GivesTwoByTwo) {
    const PlanEditor editor(Picture(100, 100, 64));
    EXPECT_EQ(editor.columns(), 2);
    EXPECT_EQ(editor.rows(), 2);

    CuttingPlan plan = Picture(100, 100, 64);
    GameSettings settings;
    ASSERT_TRUE(editor.apply(plan, settings, CutOptionsOf(settings)));
    EXPECT_EQ(plan.pictureWidth, 128);
    EXPECT_EQ(plan.pictureHeight, 128);
    EXPECT_EQ(plan.elementSize, 64);
    EXPECT_EQ(plan.columns, 2);
    EXPECT_EQ(plan.rows, 2);
}

TEST(PlanEditorTest, FirstCutProposes64WithTheWholeGrid) {
    const PlanEditor editor(Picture(1024, 768));
    EXPECT_EQ(editor.elementSize(), 64);
    EXPECT_EQ(editor.selectedSizeIndex(), 6);
    EXPECT_EQ(editor.columns(), 16);
    EXPECT_EQ(editor.rows(), 12);
    EXPECT_EQ(editor.resultWidth(), 1024);
    EXPECT_EQ(editor.resultHeight(), 768);
    EXPECT_TRUE(editor.keepsRatio());
}

TEST(PlanEditorTest, HalfElementRoundsUp) {
    const PlanEditor editor(Picture(96, 32, 64));
    EXPECT_EQ(editor.columns(), 2);
    EXPECT_EQ(editor.rows(), 1);
}

TEST(PlanEditorTest, NarrowPictureIsRefusedAtTheColumnsField) {
    const PlanEditor editor(Picture(30, 500, 64));
    EXPECT_EQ(editor.columns(), 0);
    EXPECT_EQ(editor.refusal().field, PlanField::Columns);
    EXPECT_FALSE(editor.refusal().isTooLarge);

    CuttingPlan plan = Picture(30, 500, 64);
    GameSettings settings;
    settings.mosaic = 1;
    EXPECT_FALSE(editor.apply(plan, settings, CutOptions{}));
    EXPECT_EQ(plan, Picture(30, 500, 64));
    EXPECT_EQ(settings.mosaic, 1);
}

TEST(PlanEditorTest, ColumnsAreCheckedBeforeRows) {
    PlanEditor editor(Picture(100, 100, 64));
    editor.editRows(0);
    EXPECT_EQ(editor.refusal().field, PlanField::Rows);
    editor.editColumns(-3);
    EXPECT_EQ(editor.refusal().field, PlanField::Columns);
}

TEST(PlanEditorTest, KeptRatioMakesWidthAndHeightFollowEachOther) {
    PlanEditor editor(Picture(1024, 768));
    editor.editWidth(800);
    EXPECT_EQ(editor.height(), 600);
    EXPECT_EQ(editor.columns(), 13);  // 12.5 rounds up
    EXPECT_EQ(editor.rows(), 9);

    editor.editHeight(300);
    EXPECT_EQ(editor.width(), 400);
    EXPECT_EQ(editor.columns(), 6);
    EXPECT_EQ(editor.rows(), 5);
}

TEST(PlanEditorTest, TogglingTheRatioKeepsTheOpeningRatio) {
    PlanEditor editor(Picture(1024, 768));
    editor.setKeepRatio(false);
    editor.editWidth(2048);
    EXPECT_EQ(editor.height(), 768);
    EXPECT_EQ(editor.columns(), 32);

    editor.setKeepRatio(true);  // recomputes nothing by itself
    EXPECT_EQ(editor.width(), 2048);
    EXPECT_EQ(editor.height(), 768);
    EXPECT_EQ(editor.columns(), 32);

    editor.editWidth(512);  // 4:3 of the opened picture, not 2048:768
    EXPECT_EQ(editor.height(), 384);
}

TEST(PlanEditorTest, EditingColumnsChangesOnlyTheResultingSize) {
    PlanEditor editor(Picture(100, 100, 32));
    editor.editColumns(10);
    EXPECT_EQ(editor.resultWidth(), 320);
    EXPECT_EQ(editor.width(), 100);
    EXPECT_EQ(editor.rows(), 3);
}

TEST(PlanEditorTest, ChoosingASizeRecomputesTheGridOnly) {
    PlanEditor editor(Picture(1000, 500, 64));
    EXPECT_TRUE(editor.chooseElementSize(0));
    EXPECT_EQ(editor.elementSize(), 16);
    EXPECT_EQ(editor.columns(), 63);  // 62.5 rounds up
    EXPECT_EQ(editor.rows(), 31);     // 31.25
    EXPECT_EQ(editor.width(), 1000);

    EXPECT_TRUE(editor.chooseElementSize(24));
    EXPECT_EQ(editor.elementSize(), 320);

    EXPECT_FALSE(editor.chooseElementSize(25));
    EXPECT_FALSE(editor.chooseElementSize(-1));
    EXPECT_EQ(editor.elementSize(), 320);
}

TEST(PlanEditorTest, SizeOutsideTheListIsKeptUntilOneIsChosen) {
    PlanEditor editor(Picture(500, 300, 50));
    EXPECT_EQ(editor.selectedSizeIndex(), -1);
    EXPECT_EQ(editor.columns(), 10);
    editor.editWidth(1000);
    EXPECT_EQ(editor.columns(), 20);
    EXPECT_EQ(editor.rows(), 12);
}

TEST(PlanEditorTest, ZeroHeightPictureDoesNotBreakTheRatio) {
    PlanEditor editor(Picture(100, 0, 64));
    editor.editWidth(200);
    EXPECT_EQ(editor.height(), 0);
    editor.editHeight(10);
    EXPECT_EQ(editor.width(), Int32Max);
    EXPECT_EQ(editor.refusal().field, PlanField::Rows);  // 10 / 64 rounds to no rows
    editor.editRows(1);
    EXPECT_EQ(editor.refusal().field, PlanField::Columns);
    EXPECT_TRUE(editor.refusal().isTooLarge);
}

TEST(PlanEditorTest, PlansBeyond32BitsAreRefused) {
    PlanEditor editor(Picture(100, 100, 64));
    editor.editColumns(Int32Max / 64 + 1);
    EXPECT_EQ(editor.resultWidth(), int64_t{Int32Max / 64 + 1} * 64);
    EXPECT_EQ(editor.refusal().field, PlanField::Columns);
    EXPECT_TRUE(editor.refusal().isTooLarge);

    editor.editColumns(50000);  // 3.2 million pixels wide fits, but not 2.5e9 elements
    editor.editRows(50000);
    EXPECT_EQ(editor.refusal().field, PlanField::Rows);
    EXPECT_TRUE(editor.refusal().isTooLarge);

    editor.editRows(40000);
    EXPECT_TRUE(editor.refusal().isAccepted());
}

TEST(PlanEditorTest, ApplyStoresTheCutOptionsButNotTheElementSize) {
    PlanEditor editor(Picture(640, 480, 32));
    ASSERT_TRUE(editor.chooseElementSize(12));  // 128
    CuttingPlan plan = Picture(640, 480, 32);
    plan.elementCount = 300;
    plan.bitmapSide = 51;
    GameSettings settings;
    const CutOptions options{
        .rotateElements = false, .mosaic = true, .enableOffset = false, .squareBase = true};

    ASSERT_TRUE(editor.apply(plan, settings, options));

    CuttingPlan expected;
    expected.pictureWidth = 640;
    expected.pictureHeight = 512;
    expected.elementSize = 128;
    expected.columns = 5;
    expected.rows = 4;
    EXPECT_EQ(plan, expected);  // the old game's count and geometry are gone
    EXPECT_EQ(settings.rotateElements, 0);
    EXPECT_EQ(settings.mosaic, 1);
    EXPECT_EQ(settings.enableOffset, 0);
    EXPECT_EQ(settings.squareBase, 1);
    EXPECT_EQ(settings.elementSize, 64);
}

struct GeometryRow {
    const char* name;
    int32_t elementSize;
    int32_t contourThickness;
    bool isSquareBase;
    bool isMosaic;
    int32_t knobDepth, knobReach, shiftUnit, cellMargin, cellSize, bitmapSide;
};

class GeometryTest : public testing::TestWithParam<GeometryRow> {};

TEST_P(GeometryTest, FollowsTheShapeVariant) {
    const GeometryRow& row = GetParam();
    CuttingPlan plan;
    plan.elementSize = row.elementSize;
    GameSettings settings;
    settings.contourThickness = row.contourThickness;
    settings.squareBase = row.isSquareBase ? 1 : 0;
    settings.mosaic = row.isMosaic ? 1 : 0;

    ASSERT_TRUE(ComputePlanGeometry(plan, settings));

    EXPECT_EQ(plan.knobDepth, row.knobDepth);
    EXPECT_EQ(plan.knobReach, row.knobReach);
    EXPECT_EQ(plan.shiftUnit, row.shiftUnit);
    EXPECT_EQ(plan.cellMargin, row.cellMargin);
    EXPECT_EQ(plan.cellSize, row.cellSize);
    EXPECT_EQ(plan.bitmapSide, row.bitmapSide);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GeometryTest,
    testing::Values(GeometryRow{"knobs64", 64, 3, false, false, 16, 80, 3, 16, 96, 99},
                    GeometryRow{"knobsMosaic64", 64, 3, false, true, 16, 80, 16, 16, 96, 99},
                    GeometryRow{"squareBase64", 64, 3, true, false, 16, 80, 0, 16, 96, 99},
                    GeometryRow{"squareElements64", 64, 3, true, true, 16, 80, 0, 0, 64, 67},
                    GeometryRow{"knobs50", 50, 2, false, false, 12, 62, 2, 12, 75, 77},
                    GeometryRow{"knobsMosaic50", 50, 2, false, true, 12, 62, 12, 12, 74, 76},
                    GeometryRow{"squareBase50", 50, 2, true, false, 12, 62, 0, 12, 75, 77},
                    GeometryRow{"squareElements50", 50, 2, true, true, 12, 62, 0, 0, 50, 52},
                    GeometryRow{"oddSizeTruncatesOneAndAHalf", 25, 0, false, false, 6, 31, 1, 6, 37,
                                37}),
    [](const testing::TestParamInfo<GeometryRow>& info) { return std::string(info.param.name); });

TEST(PlanGeometryTest, KnobNeckAndHeadFollowTheElementSize) {
    struct Row {
        int32_t elementSize, offsetStep, knobRadius;
    };
    for (const Row& row : {Row{16, 1, 2}, Row{24, 2, 3}, Row{40, 3, 5}, Row{64, 4, 8}}) {
        CuttingPlan plan;
        plan.elementSize = row.elementSize;
        ASSERT_TRUE(ComputePlanGeometry(plan, GameSettings{}));
        EXPECT_EQ(plan.offsetStep, row.offsetStep) << row.elementSize;
        EXPECT_EQ(plan.knobRadius, row.knobRadius) << row.elementSize;
    }
}

TEST(PlanGeometryTest, EmptyOrHugeElementSizeIsRefused) {
    CuttingPlan plan;
    EXPECT_FALSE(ComputePlanGeometry(plan, GameSettings{}));
    plan.elementSize = Int32Max;
    EXPECT_FALSE(ComputePlanGeometry(plan, GameSettings{}));
    EXPECT_EQ(plan.cellSize, 0);
}

CuttingPlan CutPlan(int32_t columns, int32_t rows, int32_t elementSize) {
    CuttingPlan plan = Picture(columns * elementSize, rows * elementSize, elementSize);
    plan.columns = columns;
    plan.rows = rows;
    return plan;
}

TEST(DerivePlanTest, SquareElementsForceExactAssembling) {
    CuttingPlan plan = CutPlan(4, 3, 64);
    GameSettings settings;
    settings.mosaic = 1;
    settings.squareBase = 1;
    settings.exactAssembling = 0;

    ASSERT_TRUE(DerivePlan(plan, settings));

    EXPECT_EQ(settings.exactAssembling, 1);
    EXPECT_EQ(plan.cellMargin, 0);
    EXPECT_EQ(plan.shiftUnit, 0);
    EXPECT_EQ(plan.cellSize, 64);
}

TEST(DerivePlanTest, CountsElementsAndRecordsTheElementSize) {
    CuttingPlan plan = CutPlan(7, 5, 48);
    GameSettings settings;
    ASSERT_TRUE(DerivePlan(plan, settings));
    EXPECT_EQ(plan.elementCount, 35);
    EXPECT_EQ(settings.elementSize, 48);
    EXPECT_EQ(plan.bitmapSide, 72 + 3);
}

TEST(DerivePlanTest, ImpossiblePlansChangeNothing) {
    GameSettings settings;
    settings.mosaic = 1;
    settings.squareBase = 1;
    settings.exactAssembling = 0;
    const GameSettings before = settings;

    CuttingPlan tooMany = CutPlan(50000, 50000, 1);
    const CuttingPlan tooManyBefore = tooMany;
    EXPECT_FALSE(DerivePlan(tooMany, settings));
    EXPECT_EQ(tooMany, tooManyBefore);

    CuttingPlan empty;
    EXPECT_FALSE(DerivePlan(empty, settings));
    EXPECT_EQ(empty, CuttingPlan{});

    EXPECT_EQ(settings, before);
}

}  // namespace
}  // namespace tessary
