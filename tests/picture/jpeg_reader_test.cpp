#include "picture/jpeg_reader.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdlib>

#include "codec_fixtures.h"
#include "picture/pixel_reader.h"

namespace tessary {
namespace {

using testing::Flat;
using testing::JpegFixture;

JpegFixture FlatJpeg(int width, int height, std::vector<std::uint8_t> pixel) {
    JpegFixture jpeg;
    jpeg.width = width;
    jpeg.height = height;
    jpeg.components = static_cast<int>(pixel.size());
    jpeg.samples = Flat(width, height, pixel);
    return jpeg;
}

// Every channel of `actual` within `tolerance` of `expected` (JPEG is lossy).
::testing::AssertionResult IsNear(ColourRef actual, ColourRef expected, int tolerance = 2) {
    if (std::abs(RedOf(actual) - RedOf(expected)) <= tolerance &&
        std::abs(GreenOf(actual) - GreenOf(expected)) <= tolerance &&
        std::abs(BlueOf(actual) - BlueOf(expected)) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << std::hex << "0x" << actual << " is not near 0x" << expected;
}

TEST(JpegReaderTest, GreyscaleGivesEightBitsWithAGreyRamp) {
    const LoadResult result = ReadJpegStream(FlatJpeg(8, 8, {100}).bytes());
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 8);
    ASSERT_EQ(result.picture.palette().size(), 256u);
    EXPECT_EQ(result.picture.palette()[77], (ColourEntry{77, 77, 77, 0}));
    EXPECT_TRUE(
        IsNear(PixelReader(result.picture).colourAt(3, 3), MakeColourRef(100, 100, 100), 1));
    EXPECT_EQ(result.info.bitsPerPixel, 8);
}

TEST(JpegReaderTest, ColourGivesTwentyFourBitsTopRowFirstOnScreen) {
    // Red above blue, each half a whole block row high.
    JpegFixture jpeg;
    jpeg.width = 16;
    jpeg.height = 32;
    jpeg.samples = Flat(16, 16, {255, 0, 0});
    const std::vector<std::uint8_t> blue = Flat(16, 16, {0, 0, 255});
    jpeg.samples.insert(jpeg.samples.end(), blue.begin(), blue.end());
    const LoadResult result = ReadJpegStream(jpeg.bytes());
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 24);
    EXPECT_FALSE(result.picture.isTopDown());
    const PixelReader reader(result.picture);
    EXPECT_TRUE(IsNear(reader.colourAt(8, 4), MakeColourRef(255, 0, 0), 3));
    EXPECT_TRUE(IsNear(reader.colourAt(8, 28), MakeColourRef(0, 0, 255), 3));
    EXPECT_EQ(result.info.bitsPerPixel, 24);
}

TEST(JpegReaderTest, CmykIsConvertedWithTheStoredValuesAsTheyAre) {
    // blue = round(Y x K / 255) = round(50 x 128 / 255) = 25, green 50, red 100.
    const LoadResult result = ReadJpegStream(FlatJpeg(8, 8, {200, 100, 50, 128}).bytes());
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 24);
    EXPECT_TRUE(IsNear(PixelReader(result.picture).colourAt(4, 4), MakeColourRef(100, 50, 25)));
    EXPECT_EQ(result.info.bitsPerPixel, 32);
    EXPECT_EQ(result.info.formatName, "JPEG / Adobe");
}

TEST(JpegReaderTest, ProgressiveFileDecodes) {
    JpegFixture jpeg = FlatJpeg(24, 16, {10, 200, 30});
    jpeg.isProgressive = true;
    const LoadResult result = ReadJpegStream(jpeg.bytes());
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_TRUE(
        IsNear(PixelReader(result.picture).colourAt(20, 10), MakeColourRef(10, 200, 30), 3));
}

struct FormatNameCase {
    const char* name;
    bool hasJfif;
    int minorVersion;
    bool hasAdobe;
    const char* formatName;
};

void PrintTo(const FormatNameCase& c, std::ostream* os) {
    *os << c.name;
}

class JpegFormatNameTest : public ::testing::TestWithParam<FormatNameCase> {};

TEST_P(JpegFormatNameTest, NamesTheMarkerSeen) {
    JpegFixture jpeg = FlatJpeg(8, 8, {1, 2, 3});
    jpeg.hasJfif = GetParam().hasJfif;
    jpeg.jfifMinorVersion = GetParam().minorVersion;
    jpeg.hasAdobe = GetParam().hasAdobe;
    EXPECT_EQ(ReadJpegStream(jpeg.bytes()).info.formatName, GetParam().formatName);
}

INSTANTIATE_TEST_SUITE_P(
    Markers, JpegFormatNameTest,
    ::testing::Values(FormatNameCase{"jfif_1_01", true, 1, false, "JPEG / JFIF 1.01"},
                      FormatNameCase{"jfif_1_02", true, 2, false, "JPEG / JFIF 1.02"},
                      FormatNameCase{"jfif_wins_over_adobe", true, 2, true, "JPEG / JFIF 1.02"},
                      FormatNameCase{"adobe_only", false, 0, true, "JPEG / Adobe"},
                      FormatNameCase{"no_marker", false, 0, false, "JPEG / Unknown"}));

struct ReductionCase {
    const char* name;
    PreviewSize preview;
    int reduction;
};

void PrintTo(const ReductionCase& c, std::ostream* os) {
    *os << c.name;
}

class JpegPreviewReductionTest : public ::testing::TestWithParam<ReductionCase> {};

TEST_P(JpegPreviewReductionTest, PicksTheScaleForA1600By1200Picture) {
    EXPECT_EQ(JpegPreviewReduction(1600, 1200, GetParam().preview), GetParam().reduction);
}

INSTANTIATE_TEST_SUITE_P(
    Previews, JpegPreviewReductionTest,
    ::testing::Values(ReductionCase{"ratio_10_gives_eighth", {160, 120}, 8},
                      ReductionCase{"ratio_exactly_4_gives_quarter", {400, 300}, 4},
                      ReductionCase{"ratio_exactly_2_gives_half", {800, 600}, 2},
                      ReductionCase{"ratio_just_below_2_gives_whole", {801, 601}, 1},
                      ReductionCase{"larger_than_the_picture_gives_whole", {3200, 2400}, 1},
                      ReductionCase{"the_larger_ratio_counts", {800, 100}, 8},
                      ReductionCase{"a_zero_side_gives_whole", {0, 120}, 1}));

TEST(JpegReaderTest, PreviewDecodesReducedButReportsTheStoredSize) {
    const std::vector<std::uint8_t> bytes = FlatJpeg(160, 120, {90, 90, 90}).bytes();
    const struct {
        PreviewSize preview;
        int width;
        int height;
    } cases[] = {
        {{16, 12}, 20, 15}, {{40, 30}, 40, 30}, {{80, 60}, 80, 60}, {{400, 300}, 160, 120}};
    for (const auto& c : cases) {
        const LoadResult result = ReadJpegStream(bytes, c.preview);
        ASSERT_TRUE(result.isLoaded());
        EXPECT_EQ(result.picture.width(), c.width);
        EXPECT_EQ(result.picture.height(), c.height);
        EXPECT_EQ(result.info.width, 160);
        EXPECT_EQ(result.info.height, 120);
    }
}

TEST(JpegReaderTest, StreamEndingEarlyDecodesAsFarAsItGoes) {
    // A busy picture, so that the scan data far outweighs the tables before it.
    JpegFixture jpeg = FlatJpeg(64, 64, {0, 0, 0});
    for (std::size_t i = 0; i < jpeg.samples.size(); ++i) {
        jpeg.samples[i] = static_cast<std::uint8_t>(i * 37 % 251);
    }
    std::vector<std::uint8_t> bytes = jpeg.bytes();
    bytes.resize(bytes.size() / 2);
    const LoadResult result = ReadJpegStream(bytes);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.width(), 64);
}

TEST(JpegReaderTest, NonJpegDataFailsWithTheLibrarysReason) {
    const std::vector<std::uint8_t> text{'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'};
    const LoadResult result = ReadJpegStream(text);
    EXPECT_FALSE(result.isLoaded());
    EXPECT_FALSE(result.failure.empty());
    EXPECT_FALSE(ReadJpegStream({}).isLoaded());
}

}  // namespace
}  // namespace tessary
