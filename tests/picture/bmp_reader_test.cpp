#include "picture/bmp_reader.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "bmp_fixture.h"
#include "test_pictures.h"

namespace tessary {
namespace {

using testing::ArtOf;
using testing::BmpFixture;

// The colour table of the art legend: black, white, red, green, blue, yellow, ...
std::vector<ColourEntry> LegendPalette(std::size_t count) {
    const std::vector<ColourEntry> legend{{0, 0, 0, 0},     {255, 255, 255, 0}, {0, 0, 255, 0},
                                          {0, 255, 0, 0},   {255, 0, 0, 0},     {0, 255, 255, 0},
                                          {255, 255, 0, 0}, {255, 0, 255, 0},   {128, 128, 128, 0}};
    return {legend.begin(), legend.begin() + static_cast<std::ptrdiff_t>(count)};
}

BmpFixture Bmp(int width, int height, int bits, std::vector<std::uint8_t> pixels) {
    BmpFixture bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bitsPerPixel = static_cast<std::uint16_t>(bits);
    bmp.pixels = std::move(pixels);
    if (bits <= 8) {
        bmp.palette = LegendPalette(bits == 1 ? 2 : 9);
    }
    return bmp;
}

BmpFixture WithMasks(BmpFixture bmp, std::uint32_t headerSize, BitMasks masks) {
    bmp.compression = kCompressionBitFields;
    bmp.headerSize = headerSize;
    bmp.masks = masks;
    return bmp;
}

BmpFixture WithHeaderSize(BmpFixture bmp, std::uint32_t headerSize) {
    bmp.headerSize = headerSize;
    return bmp;
}

BmpFixture WithColoursUsed(BmpFixture bmp, std::uint32_t coloursUsed, std::size_t written) {
    bmp.coloursUsed = coloursUsed;
    bmp.palette.resize(written);
    return bmp;
}

BmpFixture Rle(int width, int height, int bits, std::vector<std::uint8_t> encoded) {
    BmpFixture bmp = Bmp(width, height, bits, std::move(encoded));
    bmp.compression = bits == 8 ? kCompressionRle8 : kCompressionRle4;
    return bmp;
}

struct DecodeCase {
    const char* name;
    BmpFixture bmp;
    std::vector<std::string> art;  // top row first
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class BmpDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(BmpDecodeTest, DecodesTheArt) {
    const LoadResult result = ReadBmpStream(GetParam().bmp.bytes());
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(ArtOf(result.picture), GetParam().art);
    EXPECT_EQ(result.info.formatName, "Windows Bitmap");
    EXPECT_EQ(result.info.width, result.picture.width());
    EXPECT_EQ(result.info.height, static_cast<int>(GetParam().art.size()));
    EXPECT_EQ(result.info.bitsPerPixel, GetParam().bmp.bitsPerPixel);
}

INSTANTIATE_TEST_SUITE_P(
    Uncompressed, BmpDecodeTest,
    ::testing::Values(
        DecodeCase{"one_bit", Bmp(3, 2, 1, {0x40, 0, 0, 0, 0xA0, 0, 0, 0}), {"#.#", ".#."}},
        DecodeCase{"four_bit", Bmp(3, 2, 4, {0x23, 0x40, 0, 0, 0x50, 0x10, 0, 0}), {"y.#", "rgb"}},
        DecodeCase{"eight_bit", Bmp(3, 2, 8, {2, 3, 4, 0, 8, 0, 1, 0}), {"-.#", "rgb"}},
        DecodeCase{"sixteen_bit_is_5_5_5", Bmp(2, 1, 16, {0x00, 0x7C, 0xFF, 0x7F}), {"r#"}},
        DecodeCase{"true_colour_rows_padded",
                   Bmp(2, 2, 24, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}),
                   {"b#", "rg"}},
        DecodeCase{"thirty_two_bit", Bmp(2, 1, 32, {0, 0, 255, 0, 255, 0, 0, 0}), {"rb"}},
        DecodeCase{"top_down_rows", Bmp(1, -2, 24, {0, 0, 255, 0, 0, 255, 0, 0}), {"r", "g"}},
        DecodeCase{
            "header_of_108_bytes", WithHeaderSize(Bmp(1, 1, 24, {0, 0, 255, 0}), 108), {"r"}},
        DecodeCase{
            "header_of_124_bytes", WithHeaderSize(Bmp(1, 1, 24, {255, 0, 0, 0}), 124), {"b"}},
        DecodeCase{"index_past_a_short_colour_table_reads_black",
                   WithColoursUsed(Bmp(2, 1, 8, {2, 5, 0, 0}), 3, 3),
                   {"r."}},
        DecodeCase{"colours_used_beyond_the_depth_is_cut_to_it",
                   WithColoursUsed(Bmp(1, 1, 1, {0x80, 0, 0, 0}), 1000, 2),
                   {"#"}}));

INSTANTIATE_TEST_SUITE_P(
    BitFields, BmpDecodeTest,
    ::testing::Values(
        DecodeCase{"five_six_five_masks_after_a_40_byte_header",
                   WithMasks(Bmp(2, 1, 16, {0x00, 0xF8, 0xE0, 0x07}), 40, {0xF800, 0x07E0, 0x001F}),
                   {"rg"}},
        DecodeCase{"masks_inside_a_108_byte_header",
                   WithMasks(Bmp(2, 1, 32, {255, 0, 0, 0, 0, 0, 255, 0}), 108,
                             {0x0000FF, 0x00FF00, 0xFF0000}),
                   {"rb"}},
        DecodeCase{"masks_inside_a_124_byte_header",
                   WithMasks(Bmp(1, 1, 16, {0x1F, 0x00}), 124, {0x001F, 0x07E0, 0xF800}),
                   {"r"}}));

INSTANTIATE_TEST_SUITE_P(
    RunLength, BmpDecodeTest,
    ::testing::Values(DecodeCase{"rle8_run_literal_and_end",
                                 Rle(3, 2, 8, {3, 2, 0, 0, 0, 3, 3, 4, 5, 0, 0, 1}),
                                 {"gby", "rrr"}},
                      DecodeCase{"rle4_odd_run_then_literal",
                                 Rle(3, 2, 4, {3, 0x23, 0, 0, 0, 3, 0x45, 0x10, 0, 1}),
                                 {"by#", "rgr"}},
                      DecodeCase{
                          "rle8_without_end_of_bitmap", Rle(2, 2, 8, {2, 3}), {"..", "gg"}}));

TEST(BmpReaderTest, RunLengthPictureKeepsAnUncompressedHeader) {
    const LoadResult result = ReadBmpStream(Rle(3, 2, 8, {3, 2, 0, 1}).bytes());
    ASSERT_TRUE(result.isLoaded());
    EXPECT_EQ(result.picture.header().compression, kCompressionNone);
    EXPECT_EQ(result.picture.header().size, 40u);
    EXPECT_EQ(result.picture.header().imageSize, 8u);
}

TEST(BmpReaderTest, BitFieldsWithNoRoomForMasksReadAsFiveFiveFive) {
    BmpFixture bmp = Bmp(1, 1, 16, {0x00, 0x7C, 0, 0});
    bmp.compression = kCompressionBitFields;
    const LoadResult result = ReadBmpStream(bmp.bytes());
    ASSERT_TRUE(result.isLoaded());
    EXPECT_FALSE(result.picture.hasBitFields());
    EXPECT_EQ(ArtOf(result.picture), std::vector<std::string>{"r"});
}

TEST(BmpReaderTest, RunLengthDataIsBoundByTheFileNotByABogusSizeField) {
    BmpFixture bmp = Rle(2, 1, 8, {2, 2, 0, 1});
    bmp.fileSizeField = 0;
    const LoadResult result = ReadBmpStream(bmp.bytes());
    ASSERT_TRUE(result.isLoaded());
    EXPECT_EQ(ArtOf(result.picture), std::vector<std::string>{"rr"});
}

TEST(BmpReaderTest, TruncatedPixelDataLeavesTheMissingRowsBlack) {
    // Three rows of blue; the file ends after the bottom row and the first two bytes of the
    // middle one (blue 255, green 0), so the middle pixel's red is missing but still zero.
    BmpFixture bmp = Bmp(1, 3, 24, {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0});
    std::vector<std::uint8_t> bytes = bmp.bytes();
    bytes.resize(bytes.size() - 6);
    const LoadResult result = ReadBmpStream(bytes);
    ASSERT_TRUE(result.isLoaded());
    EXPECT_EQ(ArtOf(result.picture), (std::vector<std::string>{".", "b", "b"}));
}

struct RefusalCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* failure;
    bool isOutOfMemory = false;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

BmpFixture WithType(BmpFixture bmp, std::uint16_t type) {
    bmp.type = type;
    return bmp;
}

BmpFixture WithCompression(BmpFixture bmp, std::uint32_t compression) {
    bmp.compression = compression;
    return bmp;
}

std::vector<std::uint8_t> WithOffset(std::vector<std::uint8_t> bytes, std::uint32_t offset) {
    bytes[10] = static_cast<std::uint8_t>(offset);
    bytes[11] = static_cast<std::uint8_t>(offset >> 8);
    return bytes;
}

class BmpRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BmpRefusalTest, GivesNoPicture) {
    const LoadResult result = ReadBmpStream(GetParam().bytes);
    EXPECT_FALSE(result.isLoaded());
    EXPECT_EQ(result.failure, GetParam().failure);
    EXPECT_EQ(result.isOutOfMemory, GetParam().isOutOfMemory);
}

const BmpFixture kRed = Bmp(1, 1, 24, {0, 0, 255, 0});

INSTANTIATE_TEST_SUITE_P(
    Files, BmpRefusalTest,
    ::testing::Values(
        RefusalCase{"shorter_than_the_file_header", {0x42, 0x4D, 0, 0}, "can't read file header"},
        RefusalCase{"type_ba", WithType(kRed, 0x4142).bytes(), "invalid file type"},
        RefusalCase{"os2_core_header", WithHeaderSize(kRed, 12).bytes(), "OS/2 bitmap"},
        RefusalCase{"pixel_offset_past_the_end", WithOffset(kRed.bytes(), 500),
                    "can't read bitmap info"},
        RefusalCase{"header_larger_than_its_block", WithOffset(kRed.bytes(), 40),
                    "can't read bitmap info"},
        RefusalCase{"width_zero", Bmp(0, 1, 24, {}).bytes(), "invalid bitmap size"},
        RefusalCase{"width_negative", Bmp(-4, 1, 24, {}).bytes(), "invalid bitmap size"},
        RefusalCase{"height_zero", Bmp(1, 0, 24, {}).bytes(), "invalid bitmap size"},
        RefusalCase{"two_bits_per_pixel", Bmp(1, 1, 2, {0, 0, 0, 0}).bytes(),
                    "unsupported bitmap format"},
        RefusalCase{"jpeg_compression", WithCompression(kRed, 4).bytes(),
                    "unsupported bitmap format"},
        RefusalCase{"rle8_on_a_four_bit_picture", WithCompression(Bmp(2, 1, 4, {2, 1}), 1).bytes(),
                    "unsupported bitmap format"},
        RefusalCase{"rle_with_one_byte_of_data", Rle(2, 1, 8, {2}).bytes(), "cant't unpack rle"},
        RefusalCase{"absurd_dimensions", Bmp(100000, 100000, 24, {}).bytes(),
                    "cant't allocate memory for bits", true}));

}  // namespace
}  // namespace tessary
