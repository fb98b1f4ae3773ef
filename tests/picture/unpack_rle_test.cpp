#include "picture/unpack_rle.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace tessary {
namespace {

PictureHeader RleHeader(std::uint32_t compression, int width, int height) {
    PictureHeader header;
    header.width = width;
    header.height = height;
    header.compression = compression;
    header.bitsPerPixel = compression == kCompressionRle8 ? 8 : 4;
    return header;
}

// Stored rows, first row first, one hex digit per pixel.
std::vector<std::string> Unpack(std::uint32_t compression, int width, int height,
                                const std::vector<std::uint8_t>& encoded) {
    const PictureHeader header = RleHeader(compression, width, height);
    const std::size_t stride = *RowStride(header.bitsPerPixel, width);
    // Exactly the picture's size, so that a stray write is caught by the sanitizers.
    std::vector<std::uint8_t> destination(stride * static_cast<std::size_t>(height), 0xEE);
    EXPECT_EQ(UnpackRle(header, encoded, destination), destination.size());
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t byte =
                destination[y * stride + (header.bitsPerPixel == 8 ? x : x / 2)];
            const int pixel = header.bitsPerPixel == 8 ? byte : (x % 2 ? byte & 0xF : byte >> 4);
            row += "0123456789ABCDEF"[pixel & 0xF];
        }
        rows.push_back(row);
    }
    return rows;
}

struct RleCase {
    const char* name;
    std::uint32_t compression;
    int width;
    int height;
    std::vector<std::uint8_t> encoded;
    std::vector<std::string> storedRows;
};

void PrintTo(const RleCase& c, std::ostream* os) {
    *os << c.name;
}

class UnpackRleTest : public ::testing::TestWithParam<RleCase> {};

TEST_P(UnpackRleTest, DecodesToTheStoredRows) {
    const RleCase& c = GetParam();
    EXPECT_EQ(Unpack(c.compression, c.width, c.height, c.encoded), c.storedRows);
}

INSTANTIATE_TEST_SUITE_P(
    Rle8, UnpackRleTest,
    ::testing::Values(
        RleCase{
            "runs_and_end_of_line", 1, 4, 3, {3, 1, 0, 0, 2, 2, 0, 1}, {"1110", "2200", "0000"}},
        RleCase{"literal_block_is_padded_to_16_bits",
                1,
                4,
                1,
                {0, 3, 5, 6, 7, 0, 1, 9, 0, 1},
                {"5679"}},
        RleCase{"delta_moves_right_and_onward",
                1,
                4,
                2,
                {1, 1, 0, 2, 2, 1, 1, 3, 0, 1},
                {"1000", "0003"}},
        RleCase{
            "run_past_the_row_end_continues_on_the_next_row", 1, 4, 2, {6, 4}, {"4444", "4400"}},
        RleCase{"run_past_the_last_row_is_cut", 1, 4, 1, {9, 7, 3, 8}, {"7777"}},
        RleCase{"missing_end_of_bitmap_is_accepted", 1, 3, 2, {2, 1}, {"110", "000"}},
        RleCase{"exactly_filled_row_then_end_of_line_skips_no_row",
                1,
                4,
                2,
                {4, 1, 0, 0, 1, 2},
                {"1111", "2000"}},
        RleCase{"end_of_line_on_an_empty_row_leaves_it_blank",
                1,
                4,
                3,
                {0, 0, 0, 0, 1, 5},
                {"0000", "0000", "5000"}},
        RleCase{"literal_cut_by_the_end_of_data_stops", 1, 4, 1, {1, 1, 0, 5, 2, 2}, {"1000"}},
        RleCase{"delta_cut_by_the_end_of_data_stops", 1, 4, 1, {1, 1, 0, 2, 3}, {"1000"}},
        RleCase{"delta_past_the_row_end_goes_on_at_the_next_row",
                1,
                4,
                2,
                {0, 2, 9, 0, 1, 6},
                {"0000", "6000"}},
        RleCase{"decoding_stops_at_end_of_bitmap", 1, 2, 1, {0, 1, 2, 9}, {"00"}}));

INSTANTIATE_TEST_SUITE_P(
    Rle4, UnpackRleTest,
    ::testing::Values(
        RleCase{"run_alternates_high_and_low_nibble", 2, 5, 1, {5, 0x12}, {"12121"}},
        RleCase{"odd_run_shares_its_last_byte_with_the_next_run",
                2,
                5,
                1,
                {3, 0x12, 2, 0x34, 0, 1},
                {"12134"}},
        RleCase{"literal_nibbles_high_first_padded_to_16_bits",
                2,
                7,
                1,
                {0, 5, 0x12, 0x34, 0x50, 0, 2, 0x67},
                {"1234567"}},
        RleCase{
            "odd_delta_flips_the_nibble_phase", 2, 5, 1, {1, 0x70, 0, 2, 2, 0, 2, 0x89}, {"70089"}},
        RleCase{
            "run_past_the_row_end_continues_on_the_next_row", 2, 3, 2, {4, 0xAB}, {"ABA", "B00"}}));

TEST(UnpackRleRefusalTest, RefusesWhatItCannotDecodeSafely) {
    std::vector<std::uint8_t> destination(64);
    const std::vector<std::uint8_t> data{2, 1, 0, 1};
    EXPECT_EQ(UnpackRle(RleHeader(kCompressionRle8, 4, 2), data, destination), 8u);

    PictureHeader none = RleHeader(kCompressionRle8, 4, 2);
    none.compression = kCompressionNone;
    EXPECT_EQ(UnpackRle(none, data, destination), 0u);
    PictureHeader mismatched = RleHeader(kCompressionRle8, 4, 2);
    mismatched.bitsPerPixel = 4;
    EXPECT_EQ(UnpackRle(mismatched, data, destination), 0u);
    EXPECT_EQ(
        UnpackRle(RleHeader(kCompressionRle8, 4, 2), std::vector<std::uint8_t>{2}, destination),
        0u);
    EXPECT_EQ(UnpackRle(RleHeader(kCompressionRle8, 0, 2), data, destination), 0u);
    EXPECT_EQ(UnpackRle(RleHeader(kCompressionRle8, 4, 0), data, destination), 0u);
    EXPECT_EQ(UnpackRle(RleHeader(kCompressionRle8, 64, 2), data, destination), 0u);
}

}  // namespace
}  // namespace tessary
