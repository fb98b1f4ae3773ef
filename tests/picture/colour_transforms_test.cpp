#include "picture/colour_transforms.h"

#include <gtest/gtest.h>

#include <ostream>

#include "picture/colour_model.h"
#include "picture/pixel_reader.h"
#include "test_pictures.h"

namespace tessary {
namespace {

using testing::ArtOf;
using testing::MakePicture;
using testing::PictureFromArt;

TEST(LightnessTest, RoundsHalfUpTheMeanOfTheExtremes) {
    EXPECT_EQ(Lightness(0x808080), 128);
    EXPECT_EQ(Lightness(0xC0C0C0), 192);
    EXPECT_EQ(Lightness(0xF0F0F0), 240);
    EXPECT_EQ(Lightness(MakeColourRef(255, 0, 0)), 128);
    EXPECT_EQ(Lightness(MakeColourRef(10, 20, 30)), 20);
}

TEST(HslTest, PrimariesAndGreys) {
    const Hsl red = RgbToHsl(MakeColourRef(255, 0, 0));
    EXPECT_DOUBLE_EQ(red.hue, 0);
    EXPECT_DOUBLE_EQ(red.saturation, 1);
    EXPECT_DOUBLE_EQ(red.lightness, 0.5);
    EXPECT_DOUBLE_EQ(RgbToHsl(MakeColourRef(0, 255, 0)).hue, 120);
    EXPECT_DOUBLE_EQ(RgbToHsl(MakeColourRef(0, 0, 255)).hue, 240);
    EXPECT_DOUBLE_EQ(RgbToHsl(MakeColourRef(255, 0, 128)).hue, 360 - 60 * 128.0 / 255);
    const Hsl grey = RgbToHsl(0x808080);
    EXPECT_EQ(grey.hue, -1);
    EXPECT_EQ(grey.saturation, 0);
}

TEST(HslTest, EveryGreyAndAGridOfColoursComeBackUnchanged) {
    for (int level = 0; level < 256; ++level) {
        const ColourRef grey = MakeColourRef(level, level, level);
        ASSERT_EQ(HslToRgb(RgbToHsl(grey)), grey);
    }
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 15) {
                const ColourRef colour = MakeColourRef(r, g, b);
                ASSERT_EQ(HslToRgb(RgbToHsl(colour)), colour) << r << ' ' << g << ' ' << b;
            }
        }
    }
}

TEST(TintGreysTest, GreysTakeTheTargetHueAndColoursStay) {
    PictureBuffer picture = PictureFromArt({"-b#."}, 32);
    picture.row(0)[3] = 77;  // the fourth byte of the grey pixel
    ASSERT_TRUE(TintGreys(picture, 0x808080, MakeColourRef(255, 0, 0), true));
    const PixelReader reader(picture);
    // Grey 128 moves by L(red) - L(grey 128) to lightness 0.5: pure red.
    EXPECT_EQ(reader.colourAt(0, 0), MakeColourRef(255, 0, 0));
    EXPECT_EQ(reader.colourAt(1, 0), MakeColourRef(0, 0, 255));
    EXPECT_EQ(picture.row(0)[3], 77);
    // White, a shade darker, takes a trace of red; black stays black.
    EXPECT_EQ(reader.colourAt(2, 0), MakeColourRef(255, 254, 254));
    EXPECT_EQ(reader.colourAt(3, 0), MakeColourRef(0, 0, 0));
}

TEST(TintGreysTest, WithoutLightnessShiftTheGreyKeepsItsLightness) {
    PictureBuffer picture = PictureFromArt({"-"});
    ASSERT_TRUE(TintGreys(picture, 0x808080, MakeColourRef(255, 0, 0), false));
    EXPECT_EQ(PixelReader(picture).colourAt(0, 0), MakeColourRef(255, 1, 1));
}

TEST(TintGreysTest, EqualColoursChangeNothingAndOtherDepthsFail) {
    PictureBuffer picture = PictureFromArt({"-r"});
    ASSERT_TRUE(TintGreys(picture, 0x123456, 0x123456, true));
    EXPECT_EQ(ArtOf(picture), std::vector<std::string>{"-r"});
    PictureBuffer paletted = PictureFromArt({"-r"}, 8);
    EXPECT_FALSE(TintGreys(paletted, 0x808080, 0xFF, true));
}

TEST(CompositeOverColourTest, BlendsByAlphaAndKeepsIt) {
    PictureBuffer picture = PictureFromArt({"###r"}, 32);
    std::uint8_t* row = picture.row(0);
    row[3] = 255;
    row[7] = 0;
    row[11] = 128;
    row[15] = 0;
    ASSERT_TRUE(CompositeOverColour(picture, MakeColourRef(0, 0, 0)));
    const PixelReader reader(picture);
    EXPECT_EQ(reader.colourAt(0, 0), MakeColourRef(255, 255, 255));
    EXPECT_EQ(reader.colourAt(1, 0), MakeColourRef(0, 0, 0));
    EXPECT_EQ(reader.colourAt(2, 0), MakeColourRef(128, 128, 128));
    EXPECT_EQ(row[11], 128);

    PictureBuffer clear = PictureFromArt({"r"}, 32);
    ASSERT_TRUE(CompositeOverColour(clear, MakeColourRef(1, 2, 3)));
    EXPECT_EQ(PixelReader(clear).colourAt(0, 0), MakeColourRef(1, 2, 3));

    PictureBuffer trueColour = PictureFromArt({"r"});
    EXPECT_FALSE(CompositeOverColour(trueColour, 0));
}

PictureBuffer OnePixel(int depth, std::uint32_t value, std::optional<BitMasks> masks,
                       bool isTopDown = false) {
    PictureHeader header;
    header.width = 1;
    header.height = isTopDown ? -2 : 2;
    header.bitsPerPixel = static_cast<std::uint16_t>(depth);
    header.compression = masks ? kCompressionBitFields : kCompressionNone;
    PictureBuffer picture = PictureBuffer::Create(header, {}, masks.value_or(BitMasks{}));
    for (int i = 0; i < depth / 8; ++i) {
        picture.row(0)[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return picture;
}

struct ConvertCase {
    const char* name;
    PictureBuffer source;
    ColourRef top;
};

void PrintTo(const ConvertCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertTo24BitTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertTo24BitTest, ScalesEveryChannelAndKeepsTheRowOrder) {
    const PictureBuffer converted = ConvertTo24Bit(GetParam().source);
    ASSERT_FALSE(converted.isEmpty());
    EXPECT_EQ(converted.bitsPerPixel(), 24);
    EXPECT_EQ(converted.isTopDown(), GetParam().source.isTopDown());
    EXPECT_EQ(PixelReader(converted).colourAt(0, 0), GetParam().top);
    EXPECT_EQ(PixelReader(converted).colourAt(0, 1), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, ConvertTo24BitTest,
    ::testing::Values(ConvertCase{"sixteen_bit_default_5_5_5",
                                  OnePixel(16, 0x7C00 | 16 << 5 | 1, std::nullopt),
                                  MakeColourRef(255, 132, 8)},
                      ConvertCase{"sixteen_bit_5_6_5_masks",
                                  OnePixel(16, 0x07E0, BitMasks{0xF800, 0x07E0, 0x001F}, true),
                                  MakeColourRef(0, 255, 0)},
                      ConvertCase{"thirty_two_bit_default", OnePixel(32, 0x00102030, std::nullopt),
                                  MakeColourRef(0x10, 0x20, 0x30)},
                      ConvertCase{"thirty_two_bit_ten_bit_masks",
                                  OnePixel(32, 0x3FFu << 20 | 512u << 10,
                                           BitMasks{0x3FF00000, 0x000FFC00, 0x3FF}),
                                  MakeColourRef(255, 128, 0)}));

TEST(ConvertTo24BitRefusalTest, OnlySixteenAndThirtyTwoBitsConvert) {
    EXPECT_TRUE(ConvertTo24Bit(MakePicture(2, 2, 8)).isEmpty());
    EXPECT_TRUE(ConvertTo24Bit(MakePicture(2, 2, 24)).isEmpty());
    EXPECT_TRUE(ConvertTo24Bit(PictureBuffer()).isEmpty());
}

}  // namespace
}  // namespace tessary
