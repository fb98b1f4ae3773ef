#include "picture/png_reader.h"

#include <gtest/gtest.h>

#include <ostream>

#include "codec_fixtures.h"
#include "picture/pixel_reader.h"
#include "test_pictures.h"

namespace tessary {
namespace {

using testing::ArtOf;
using testing::PngFixture;

constexpr ColourRef kBlack = 0;

PngFixture Png(int width, int height, int colourType, int bitDepth,
               std::vector<std::vector<std::uint8_t>> rows) {
    PngFixture png;
    png.width = width;
    png.height = height;
    png.colourType = colourType;
    png.bitDepth = bitDepth;
    png.rows = std::move(rows);
    return png;
}

ColourRef FirstPixel(const LoadResult& result) {
    return PixelReader(result.picture).colourAt(0, 0);
}

TEST(PngReaderTest, ColourPictureIsExactAndTopRowFirstOnScreen) {
    const LoadResult result = ReadPngStream(
        Png(2, 2, 2, 8, {{255, 0, 0, 0, 255, 0}, {0, 0, 255, 255, 255, 255}}).bytes(), kBlack);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 24);
    EXPECT_FALSE(result.picture.isTopDown());
    EXPECT_EQ(ArtOf(result.picture), (std::vector<std::string>{"rg", "b#"}));
    EXPECT_EQ(result.info.formatName, "Portable Network Graphics");
    EXPECT_EQ(result.info.bitsPerPixel, 24);
}

TEST(PngReaderTest, SixteenBitSamplesKeepTheirHighByte) {
    const LoadResult result =
        ReadPngStream(Png(1, 1, 2, 16, {{0x12, 0x34, 0xAB, 0x00, 0x00, 0xFF}}).bytes(), kBlack);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(FirstPixel(result), MakeColourRef(0x12, 0xAB, 0x00));
    EXPECT_EQ(result.info.bitsPerPixel, 48);
}

TEST(PngReaderTest, FourBitPaletteGivesEightBitsWithTheFilesPalette) {
    PngFixture png = Png(3, 1, 3, 4, {{0x01, 0x20}});
    png.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const LoadResult result = ReadPngStream(png.bytes(), kBlack);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 8);
    EXPECT_EQ(result.picture.header().coloursUsed, 3u);
    EXPECT_EQ(result.picture.palette()[2], (ColourEntry{255, 0, 0, 0}));
    EXPECT_EQ(ArtOf(result.picture), std::vector<std::string>{"rgb"});
    EXPECT_EQ(result.info.bitsPerPixel, 4);
}

TEST(PngReaderTest, OneBitGreyGivesEightBitGreys) {
    const LoadResult result = ReadPngStream(Png(8, 1, 0, 1, {{0b10110000}}).bytes(), kBlack);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 8);
    EXPECT_EQ(result.picture.palette()[200], (ColourEntry{200, 200, 200, 0}));
    EXPECT_EQ(ArtOf(result.picture), std::vector<std::string>{"#.##...."});
    EXPECT_EQ(result.info.bitsPerPixel, 1);
}

TEST(PngReaderTest, GreyWithAlphaIsFlattenedToGrey) {
    const LoadResult result = ReadPngStream(Png(2, 1, 4, 8, {{200, 0, 100, 255}}).bytes(), kBlack);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 8);
    const PixelReader reader(result.picture);
    EXPECT_EQ(reader.colourAt(0, 0), kBlack);
    EXPECT_EQ(reader.colourAt(1, 0), MakeColourRef(100, 100, 100));
    EXPECT_EQ(result.info.bitsPerPixel, 16);
}

TEST(PngReaderTest, HalfTransparentWhiteOverBlackBlendsInLinearLight) {
    const LoadResult result =
        ReadPngStream(Png(1, 1, 6, 8, {{255, 255, 255, 128}}).bytes(), kBlack);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.bitsPerPixel(), 24);
    // Half the light of white on a 2.2 screen: 255 x 0.5 ^ (1 / 2.2) = 186.
    EXPECT_EQ(FirstPixel(result), MakeColourRef(186, 186, 186));
    EXPECT_EQ(result.info.bitsPerPixel, 32);
}

struct BackgroundCase {
    const char* name;
    PngFixture png;
    ColourRef callerColour;
    ColourRef expected;  // of the first pixel, which is fully transparent
};

void PrintTo(const BackgroundCase& c, std::ostream* os) {
    *os << c.name;
}

PngFixture WithBackground(PngFixture png, std::array<std::uint16_t, 3> background) {
    png.background = background;
    return png;
}

PngFixture WithTransparentColour(PngFixture png, std::array<std::uint16_t, 3> colour) {
    png.transparentColour = colour;
    return png;
}

PngFixture WithPalette(PngFixture png, std::vector<std::array<std::uint8_t, 3>> palette,
                       std::vector<std::uint8_t> alpha) {
    png.palette = std::move(palette);
    png.paletteAlpha = std::move(alpha);
    return png;
}

class PngBackgroundTest : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(PngBackgroundTest, TransparentPixelTakesTheBackground) {
    const LoadResult result = ReadPngStream(GetParam().png.bytes(), GetParam().callerColour);
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(FirstPixel(result), GetParam().expected);
}

const PngFixture kClearThenRed = Png(2, 1, 6, 8, {{9, 9, 9, 0, 255, 0, 0, 255}});

INSTANTIATE_TEST_SUITE_P(
    Flattening, PngBackgroundTest,
    ::testing::Values(
        BackgroundCase{"caller_colour_without_a_background_chunk", kClearThenRed,
                       MakeColourRef(0x33, 0x66, 0x99), MakeColourRef(0x33, 0x66, 0x99)},
        BackgroundCase{"background_chunk_wins_over_the_caller",
                       WithBackground(kClearThenRed, {0, 255, 0}), MakeColourRef(0x33, 0x66, 0x99),
                       MakeColourRef(0, 255, 0)},
        BackgroundCase{"sixteen_bit_over_the_caller_colour",
                       Png(1, 1, 6, 16, {{1, 2, 3, 4, 5, 6, 0, 0}}), MakeColourRef(10, 20, 30),
                       MakeColourRef(10, 20, 30)},
        BackgroundCase{"sixteen_bit_grey_over_the_callers_grey", Png(1, 1, 4, 16, {{1, 2, 0, 0}}),
                       MakeColourRef(30, 60, 91), MakeColourRef(60, 60, 60)},
        BackgroundCase{
            "colour_transparency_chunk",
            WithTransparentColour(Png(2, 1, 2, 8, {{10, 20, 30, 255, 0, 0}}), {10, 20, 30}),
            MakeColourRef(1, 2, 3), MakeColourRef(1, 2, 3)},
        BackgroundCase{"palette_transparency_chunk",
                       WithPalette(Png(2, 1, 3, 8, {{0, 1}}), {{9, 9, 9}, {255, 0, 0}}, {0, 255}),
                       MakeColourRef(4, 5, 6), MakeColourRef(4, 5, 6)}));

TEST(PngReaderTest, GreyTransparencyChunkFlattensToTheCallersGrey) {
    PngFixture png = Png(2, 1, 0, 8, {{50, 60}});
    png.transparentColour = {50, 0, 0};
    // Grey background = round((30 + 60 + 91) / 3) = 60.
    const LoadResult result = ReadPngStream(png.bytes(), MakeColourRef(30, 60, 91));
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(FirstPixel(result), MakeColourRef(60, 60, 60));
}

TEST(PngReaderTest, LinearFileGammaIsCorrectedForTheScreen) {
    PngFixture linear = Png(1, 1, 0, 8, {{128}});
    linear.gamma = 1.0;
    // 255 x (128 / 255) ^ (1 / 2.2) = 186
    EXPECT_NEAR(RedOf(FirstPixel(ReadPngStream(linear.bytes(), kBlack))), 186, 1);
    PngFixture srgb = linear;
    srgb.gamma = 0.45455;  // libpng writes sRGB only beside a matching gamma
    srgb.isSrgb = true;
    EXPECT_EQ(RedOf(FirstPixel(ReadPngStream(srgb.bytes(), kBlack))), 128);
}

TEST(PngReaderTest, InterlacedFileGivesTheSamePixels) {
    PngFixture png = Png(3, 3, 2, 8, {});
    for (int y = 0; y < 3; ++y) {
        png.rows.push_back({});
        for (int i = 0; i < 9; ++i) {
            png.rows.back().push_back(static_cast<std::uint8_t>(y * 40 + i * 20));
        }
    }
    PngFixture interlaced = png;
    interlaced.isInterlaced = true;
    EXPECT_EQ(testing::ColoursOf(ReadPngStream(png.bytes(), kBlack).picture),
              testing::ColoursOf(ReadPngStream(interlaced.bytes(), kBlack).picture));
}

TEST(PngResourceTest, KeepsAlphaUnlessFlattened) {
    const std::vector<std::uint8_t> bytes = Png(1, 1, 6, 8, {{10, 20, 30, 40}}).bytes();
    const LoadResult kept = LoadPngResource(bytes, false, kBlack);
    ASSERT_TRUE(kept.isLoaded()) << kept.failure;
    EXPECT_EQ(kept.info.formatName, "PNG");
    EXPECT_EQ(kept.picture.bitsPerPixel(), 32);
    const std::uint8_t* pixel = kept.picture.row(0);
    EXPECT_EQ((std::vector<int>{pixel[0], pixel[1], pixel[2], pixel[3]}),
              (std::vector<int>{30, 20, 10, 40}));

    const LoadResult flattened = LoadPngResource(bytes, true, kBlack);
    ASSERT_TRUE(flattened.isLoaded());
    EXPECT_EQ(flattened.picture.bitsPerPixel(), 24);
}

TEST(PngResourceTest, RefusesAnEmptyImageAndGreyWithAlphaKept) {
    EXPECT_FALSE(LoadPngResource({}, false, kBlack).isLoaded());
    EXPECT_EQ(LoadPngResource(Png(1, 1, 4, 8, {{1, 2}}).bytes(), false, kBlack).failure,
              "incorrect number of channels after transformations");
}

TEST(PngReaderTest, DamagedStreamsGiveNoPicture) {
    std::vector<std::uint8_t> bytes =
        Png(2, 2, 2, 8, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 1, 2, 3}}).bytes();
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 20);
    EXPECT_FALSE(ReadPngStream(cut, kBlack).isLoaded());
    bytes[1] = 'Q';
    EXPECT_EQ(ReadPngStream(bytes, kBlack).failure, "not a PNG file");
}

}  // namespace
}  // namespace tessary
