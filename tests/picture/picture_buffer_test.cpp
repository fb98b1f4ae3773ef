#include "picture/picture_buffer.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <limits>

#include "picture/pixel_reader.h"
#include "picture/pixel_view.h"
#include "test_pictures.h"

namespace tessary {
namespace {

using testing::ArtOf;
using testing::MakePicture;
using testing::PictureFromArt;

struct StrideCase {
    const char* name;
    int bitsPerPixel;
    int width;
    std::size_t stride;
};

void PrintTo(const StrideCase& c, std::ostream* os) {
    *os << c.name;
}

class RowStrideTest : public ::testing::TestWithParam<StrideCase> {};

TEST_P(RowStrideTest, RowsArePaddedToWholeWords) {
    EXPECT_EQ(RowStride(GetParam().bitsPerPixel, GetParam().width), GetParam().stride);
}

INSTANTIATE_TEST_SUITE_P(Depths, RowStrideTest,
                         ::testing::Values(StrideCase{"one_bit_33_wide_takes_two_words", 1, 33, 8},
                                           StrideCase{"four_bit_9_wide", 4, 9, 8},
                                           StrideCase{"eight_bit_5_wide", 8, 5, 8},
                                           StrideCase{"sixteen_bit_3_wide", 16, 3, 8},
                                           StrideCase{"true_colour_5_wide_takes_16", 24, 5, 16},
                                           StrideCase{"true_colour_1_wide_takes_4", 24, 1, 4},
                                           StrideCase{"thirty_two_bit_3_wide", 32, 3, 12}));

TEST(PixelBytesTest, RefusesSizesThatAreNoPictureOrTooLarge) {
    EXPECT_EQ(PixelBytes(24, 5, -2), 32u);
    EXPECT_FALSE(PixelBytes(24, 0, 10));
    EXPECT_FALSE(PixelBytes(24, -3, 10));
    EXPECT_FALSE(PixelBytes(24, 10, 0));
    EXPECT_FALSE(PixelBytes(32, std::numeric_limits<std::int32_t>::max(), 2));
    EXPECT_FALSE(PixelBytes(24, 20000, 20000));  // 1.2 GB
    EXPECT_FALSE(PixelBytes(8, 1, std::numeric_limits<std::int32_t>::min()));
}

TEST(PictureBufferTest, CreateSetsImageSizeAndAFullZeroedTable) {
    PictureHeader header;
    header.width = 3;
    header.height = -2;
    header.bitsPerPixel = 4;
    header.planes = 7;
    const PictureBuffer picture = PictureBuffer::Create(header, {{ColourEntry{1, 2, 3, 0}}});
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_EQ(picture.header().imageSize, 8u);
    EXPECT_EQ(picture.header().planes, 1);
    EXPECT_TRUE(picture.isTopDown());
    EXPECT_EQ(picture.height(), 2);
    ASSERT_EQ(picture.palette().size(), 16u);
    EXPECT_EQ(picture.palette()[0], (ColourEntry{1, 2, 3, 0}));
    EXPECT_EQ(picture.palette()[15], ColourEntry{});
    for (std::uint8_t byte : picture.pixels()) {
        EXPECT_EQ(byte, 0);
    }
}

TEST(PictureBufferTest, LargePictureIsZeroedAndWholeToo) {
    // Large enough to take the memory path for big pictures.
    PictureBuffer picture = MakePicture(2000, 1500, 24);
    ASSERT_FALSE(picture.isEmpty());
    const auto pixels = picture.pixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0),
              static_cast<std::ptrdiff_t>(pixels.size()));
    picture.row(0)[3 * 2000 - 1] = 1;  // the last byte
    const PictureBuffer copy = picture;
    EXPECT_EQ(copy.row(0)[3 * 2000 - 1], 1);
}

TEST(PictureBufferTest, CreateRefusesWhatNoPictureCanBe) {
    PictureHeader header;
    header.width = 4;
    header.height = 4;
    header.bitsPerPixel = 12;
    EXPECT_TRUE(PictureBuffer::Create(header).isEmpty());
    header.bitsPerPixel = 24;
    header.compression = kCompressionBitFields;
    EXPECT_TRUE(PictureBuffer::Create(header).isEmpty());
    header.compression = kCompressionRle8;
    EXPECT_TRUE(PictureBuffer::Create(header).isEmpty());
}

TEST(PictureBufferTest, RowsCountFromTheTopWhateverTheStoredOrder) {
    const PictureBuffer bottomUp = PictureFromArt({"r.", ".g"});
    const PictureBuffer topDown = PictureFromArt({"r.", ".g"}, 24, true);
    // Bottom-up: the top row is stored last.
    EXPECT_EQ(bottomUp.storedRow(1)[2], 255);
    EXPECT_EQ(topDown.storedRow(0)[2], 255);
    EXPECT_EQ(ArtOf(bottomUp), ArtOf(topDown));
}

TEST(PictureBufferTest, CopyOwnsItsOwnPixels) {
    PictureBuffer original = PictureFromArt({"rgb"});
    const PictureBuffer copy = original;
    testing::SetPixel(original, 0, 0, MakeColourRef(0, 0, 0));
    EXPECT_EQ(ArtOf(copy), (std::vector<std::string>{"rgb"}));
    EXPECT_EQ(ArtOf(original), (std::vector<std::string>{".gb"}));
}

// The same art read back through every depth that can hold it.
class PixelReaderDepthTest : public ::testing::TestWithParam<int> {};

TEST_P(PixelReaderDepthTest, ReadsWhatWasWritten) {
    const std::vector<std::string> art = GetParam() == 1
                                             ? std::vector<std::string>{"#..#.#.##", ".#.#...#."}
                                             : std::vector<std::string>{"rgb.#ymc-", "-cmy#.bgr"};
    EXPECT_EQ(ArtOf(PictureFromArt(art, GetParam())), art);
    EXPECT_EQ(ArtOf(PictureFromArt(art, GetParam(), true)), art);
}

INSTANTIATE_TEST_SUITE_P(Depths, PixelReaderDepthTest, ::testing::Values(1, 4, 8, 24, 32));

// Channel scaling of 16- and 32-bit pictures is checked with ConvertTo24Bit, which reads
// through PixelReader.
TEST(PixelReaderTest, ZeroMaskReadsZeroInsteadOfDividingByIt) {
    PictureHeader header;
    header.width = 1;
    header.height = 1;
    header.bitsPerPixel = 16;
    header.compression = kCompressionBitFields;
    PictureBuffer picture = PictureBuffer::Create(header, {}, BitMasks{0, 0x07E0, 0x001F});
    picture.row(0)[0] = 0xFF;
    picture.row(0)[1] = 0xFF;
    EXPECT_EQ(PixelReader(picture).colourAt(0, 0), MakeColourRef(0, 255, 255));
}

TEST(PixelViewTest, ViewsA32BitPictureTopDownInEitherStoredOrder) {
    for (bool isTopDown : {false, true}) {
        const PictureBuffer picture = PictureFromArt({"r.", ".b", "g#"}, 32, isTopDown);
        const std::optional<PixelView32> view = ViewPixels32(picture);
        ASSERT_TRUE(view);
        EXPECT_EQ(view->row(0)[0] & 0xFFFFFF, 0xFF0000u);  // red as 0xRRGGBB
        EXPECT_EQ(view->row(1)[1] & 0xFFFFFF, 0x0000FFu);
        EXPECT_EQ(view->row(2)[0] & 0xFFFFFF, 0x00FF00u);
    }
    EXPECT_FALSE(ViewPixels32(MakePicture(2, 2, 24)));
}

}  // namespace
}  // namespace tessary
