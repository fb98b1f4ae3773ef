#include <gtest/gtest.h>

#include "field/viewport.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

struct GridCase {
    const char* name;
    int columns, rows, bitmapSide;
    Point expected;
};

class FieldSizeForGridTest : public ::testing::TestWithParam<GridCase> {};

// A 1024 x 768 screen whose maximised window has a client area of 1016 x 722.
TEST_P(FieldSizeForGridTest, GridPlusFrameOverheadAndMarginNeverBelowTheScreen) {
    const GridCase& c = GetParam();
    GameSettings settings;
    RecordingPlatform platform;
    platform.fullScreenClient = {1016, 722};
    Field field(settings, platform);
    field.viewport.screenWidth = 1024;
    field.viewport.screenHeight = 768;
    EXPECT_EQ(FieldSizeForGrid(field, c.columns, c.rows, c.bitmapSide), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldSizeForGridTest,
                         ::testing::Values(GridCase{"grid_10x8", 10, 8, 99, {1048, 888}},
                                           GridCase{
                                               "grid_5x4_keeps_the_screen", 5, 4, 99, {1024, 768}},
                                           GridCase{"grid_40x30", 40, 30, 99, {4018, 3066}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RescaleCase {
    const char* name;
    int scroll, oldMax, newMax;
    int expectedScroll;
};

class RescaleTest : public ::testing::TestWithParam<RescaleCase> {};

TEST_P(RescaleTest, OriginKeepsItsRelativePlaceRoundedHalfAwayFromZero) {
    const RescaleCase& c = GetParam();
    TestGame game;
    Viewport& v = game.field().viewport;
    v.scrollX = c.scroll;
    v.scrollMaxX = c.oldMax;
    ChangeClientSize(game.field(), v.fieldWidth - c.newMax, 600);
    EXPECT_EQ(v.scrollX, c.expectedScroll);
    EXPECT_EQ(v.scrollMaxX, c.newMax);
}

INSTANTIATE_TEST_SUITE_P(Cases, RescaleTest,
                         ::testing::Values(RescaleCase{"halved", 150, 200, 100, 75},
                                           RescaleCase{"to_zero", 150, 200, 0, 0},
                                           RescaleCase{"from_zero", 0, 0, 100, 0},
                                           RescaleCase{"odd_product_rounds_up", 1, 2, 3, 2},
                                           RescaleCase{"unchanged_limit", 37, 400, 400, 37}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViewportTest, WithoutElementsAClientSizeChangeLeavesLimitsAndOrigin) {
    TestGame game;
    game.field().elements = nullptr;
    game.field().viewport.scrollX = 50;
    ChangeClientSize(game.field(), 1000, 800);
    EXPECT_EQ(game.field().viewport.scrollX, 50);
    EXPECT_EQ(game.field().viewport.scrollMaxX, 400);
    EXPECT_EQ(game.field().viewport.clientRect, (Rect{0, 0, 1000, 800}));
}

TEST(ViewportTest, SetFieldSizeRecreatesThePictureAndResetsTheOrigin) {
    TestGame game;
    game.field().viewport.scrollX = 30;
    SetFieldSize(game.field(), 1500, 500);
    const Viewport& v = game.field().viewport;
    EXPECT_EQ(game.field().fieldPicture.width(), 1500);
    EXPECT_EQ(game.field().fieldPicture.height(), 500);
    EXPECT_EQ(v.scrollMaxX, 700);
    EXPECT_EQ(v.scrollMaxY, 0) << "a client area taller than the field scrolls nowhere";
    EXPECT_EQ(v.scrollX, 0);
}

TEST(ViewportTest, DisplayChangeToASmallerScreenKeepsTheFieldUnderAGame) {
    TestGame game;
    game.field().viewport.scrollX = 30;
    game.field().viewport.scrollMaxX = 400;
    EXPECT_FALSE(ChangeDisplayMode(game.field(), 32, 800, 600));
    const Viewport& v = game.field().viewport;
    EXPECT_EQ(v.fieldWidth, 1200);
    EXPECT_EQ(v.fieldHeight, 900);
    EXPECT_EQ(v.scrollX, 0);
    EXPECT_EQ(v.screenWidth, 800);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(ViewportTest, DisplayChangeWithoutElementsTakesTheScreenSizeAndReportsTheDepth) {
    TestGame game;
    game.field().elements = nullptr;
    EXPECT_TRUE(ChangeDisplayMode(game.field(), 16, 1280, 1024));
    const Viewport& v = game.field().viewport;
    EXPECT_EQ(v.fieldWidth, 1280);
    EXPECT_EQ(v.fieldHeight, 1024);
    EXPECT_EQ(v.scrollMaxY, 424);
    EXPECT_EQ(v.screenBitsPerPixel, 16);
    EXPECT_EQ(game.platform.repaints, 1);
}

}  // namespace
}  // namespace tessary
