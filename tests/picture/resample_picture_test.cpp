#include "picture/resample_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "picture/pixel_reader.h"
#include "picture/progress_sink.h"
#include "test_pictures.h"

namespace tessary {
namespace {

using testing::ColoursOf;
using testing::MakePicture;
using testing::PictureFromArt;

// A one-row 24-bit picture of greys.
PictureBuffer GreyRow(const std::vector<int>& levels) {
    PictureBuffer picture = MakePicture(static_cast<int>(levels.size()), 1, 24);
    for (std::size_t x = 0; x < levels.size(); ++x) {
        testing::SetPixel(picture, static_cast<int>(x), 0,
                          MakeColourRef(levels[x], levels[x], levels[x]));
    }
    return picture;
}

std::vector<int> LevelsOf(const PictureBuffer& picture) {
    std::vector<int> levels;
    for (ColourRef colour : ColoursOf(picture)) {
        levels.push_back(RedOf(colour));
    }
    return levels;
}

struct SizeCase {
    const char* name;
    int width;
    int height;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class ResampleSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ResampleSizeTest, GivesExactlyTheSizeAndKeepsAFlatColour) {
    for (int depth : {8, 24, 32}) {
        SCOPED_TRACE(depth);
        // A paletted picture can only take a colour of its table.
        const ColourRef flat =
            depth == 8 ? MakeColourRef(0, 255, 255) : MakeColourRef(37, 150, 211);
        PictureBuffer picture = MakePicture(7, 5, depth);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x) {
                testing::SetPixel(picture, x, y, flat);
            }
        }
        ASSERT_TRUE(ResamplePicture(picture, GetParam().width, GetParam().height));
        EXPECT_EQ(picture.width(), std::abs(GetParam().width));
        EXPECT_EQ(picture.height(), std::abs(GetParam().height));
        for (ColourRef colour : ColoursOf(picture)) {
            ASSERT_EQ(colour, flat);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResampleSizeTest,
                         ::testing::Values(SizeCase{"shrink_both", 3, 2},
                                           SizeCase{"enlarge_both", 16, 13},
                                           SizeCase{"shrink_across_enlarge_down", 2, 11},
                                           SizeCase{"to_one_pixel", 1, 1},
                                           SizeCase{"negative_sides_count_as_positive", -4, -9},
                                           SizeCase{"prime_factors", 5, 3}));

TEST(ResamplePictureTest, ShrinkingAveragesTheCoveredArea) {
    PictureBuffer halves = GreyRow({0, 100, 200, 40});
    ASSERT_TRUE(ResamplePicture(halves, 2, 1));
    EXPECT_EQ(LevelsOf(halves), (std::vector<int>{50, 120}));
    // Three into two: each target pixel covers one and a half source pixels.
    PictureBuffer thirds = GreyRow({0, 90, 180});
    ASSERT_TRUE(ResamplePicture(thirds, 2, 1));
    EXPECT_EQ(LevelsOf(thirds), (std::vector<int>{30, 150}));
}

TEST(ResamplePictureTest, EnlargingInterpolatesBetweenCentres) {
    PictureBuffer picture = GreyRow({0, 100});
    ASSERT_TRUE(ResamplePicture(picture, 4, 1));
    EXPECT_EQ(LevelsOf(picture), (std::vector<int>{0, 25, 75, 100}));
}

TEST(ResamplePictureTest, KeepsTopAndBottomInPlace) {
    PictureBuffer picture = PictureFromArt({"rr", "rr", "bb", "bb"}, 24, true);
    ASSERT_TRUE(ResamplePicture(picture, 1, 2));
    EXPECT_EQ(testing::ArtOf(picture), (std::vector<std::string>{"r", "b"}));
}

TEST(ResamplePictureTest, NewSizeOfAPalettedPictureGivesTrueColour) {
    PictureBuffer paletted = PictureFromArt({"rg", "b#"}, 4);
    ASSERT_TRUE(ResamplePicture(paletted, 4, 4));
    EXPECT_EQ(paletted.bitsPerPixel(), 24);
    EXPECT_EQ(PixelReader(paletted).colourAt(0, 0), MakeColourRef(255, 0, 0));

    PictureBuffer withAlpha = PictureFromArt({"rg"}, 32);
    ASSERT_TRUE(ResamplePicture(withAlpha, 1, 1));
    EXPECT_EQ(withAlpha.bitsPerPixel(), 32);
}

TEST(ResamplePictureTest, SameSizeKeepsThePictureAsItIs) {
    PictureBuffer picture = PictureFromArt({"rg", "b#"}, 8, true);
    ASSERT_TRUE(ResamplePicture(picture, 2, -2));
    EXPECT_EQ(picture.bitsPerPixel(), 8);
    EXPECT_TRUE(picture.isTopDown());
}

// Counts what a task reports.
struct CountingSink : ProgressSink {
    void begin(int range) override { ranges.push_back(range); }
    void step() override { ++steps; }
    void end() override { ++ends; }
    std::vector<int> ranges;
    int steps = 0;
    int ends = 0;
};

TEST(ResamplePictureTest, ALongResampleReportsItsProgressAndGivesTheSamePicture) {
    const PictureBuffer source = PictureFromArt({"rg", "b#"}, 24);
    PictureBuffer quiet = source;
    ASSERT_TRUE(ResamplePicture(quiet, 300, 1000));
    CountingSink sink;
    PictureBuffer reported = source;
    ASSERT_TRUE(ResamplePicture(reported, 300, 1000, &sink));
    EXPECT_EQ(sink.ranges.size(), 1u);
    EXPECT_GE(sink.steps, 5);
    EXPECT_LE(sink.steps, sink.ranges.at(0));
    EXPECT_EQ(sink.ends, 1);
    EXPECT_TRUE(std::equal(reported.pixels().begin(), reported.pixels().end(),
                           quiet.pixels().begin(), quiet.pixels().end()));
}

TEST(ResamplePictureTest, FailureKeepsTheOldPicture) {
    PictureBuffer picture = PictureFromArt({"rg"});
    EXPECT_FALSE(ResamplePicture(picture, 0, 5));
    EXPECT_FALSE(ResamplePicture(picture, 100000, 100000));  // beyond the memory limit
    EXPECT_EQ(testing::ArtOf(picture), std::vector<std::string>{"rg"});
    PictureBuffer empty;
    EXPECT_FALSE(ResamplePicture(empty, 3, 3));
}

}  // namespace
}  // namespace tessary
