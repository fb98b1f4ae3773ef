#include <gtest/gtest.h>

#include "field/preview_layout.h"

namespace tessary {
namespace {

struct SizeCase {
    const char* name;
    int pictureWidth, pictureHeight;
    Point expected;  // on a 1024 x 768 screen
};

class PreviewSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PreviewSizeTest, LongerSideAtMostAThirdOfTheScreen) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(PreviewSizeFor(c.pictureWidth, c.pictureHeight, 1024, 768), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreviewSizeTest,
    ::testing::Values(SizeCase{"WideShrunkToAThirdOfTheWidth", 800, 600, {341, 255}},
                      SizeCase{"SmallKeepsItsSize", 300, 200, {300, 200}},
                      SizeCase{"TallShrunkToAThirdOfTheHeight", 600, 900, {170, 256}},
                      SizeCase{"SquareGoesByTheWidth", 900, 900, {341, 341}},
                      SizeCase{"ThinStripKeepsOnePixel", 5000, 2, {341, 1}},
                      SizeCase{"NoPictureGivesOnePixel", 0, 0, {1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeightCase {
    const char* name;
    int previewWidth, pictureWidth, pictureHeight;
    int expected;
};

class PreviewHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(PreviewHeightTest, FollowsTheWidthRoundedHalfUp) {
    const HeightCase& c = GetParam();
    EXPECT_EQ(PreviewHeightAfterCut(c.previewWidth, c.pictureWidth, c.pictureHeight), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PreviewHeightTest,
                         ::testing::Values(HeightCase{"RoundsUp", 341, 800, 600, 256},
                                           HeightCase{"HalfGoesUp", 3, 2, 1, 2},
                                           HeightCase{"Exact", 300, 640, 480, 225},
                                           HeightCase{"RoundsDown", 100, 3, 1, 33},
                                           HeightCase{"NoPicture", 341, 0, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
