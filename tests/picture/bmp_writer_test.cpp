#include "picture/bmp_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "picture/bmp_reader.h"
#include "picture/little_endian.h"
#include "temp_folder.h"
#include "test_pictures.h"
#include "writer_fixtures.h"

namespace tessary {
namespace {

using testing::ColoursOf;
using testing::Field32;
using testing::PictureFromArt;

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::ostringstream& out) {
    const std::string text = out.str();
    return {text.begin(), text.end()};
}

// The 54 bytes of headers of a 24-bit bitmap of width x height with `imageSize` bytes.
Bytes Headers24(int width, int height, std::uint32_t imageSize) {
    Bytes bytes{'B', 'M'};
    AppendLe32(bytes, 54 + imageSize);
    AppendLe32(bytes, 0);
    AppendLe32(bytes, 54);
    AppendLe32(bytes, 40);
    AppendLe32(bytes, static_cast<std::uint32_t>(width));
    AppendLe32(bytes, static_cast<std::uint32_t>(height));
    AppendLe16(bytes, 1);
    AppendLe16(bytes, 24);
    AppendLe32(bytes, 0);
    AppendLe32(bytes, imageSize);
    bytes.resize(54);
    return bytes;
}

TEST(WriteFieldBmpTest, WritesTheBoxBottomRowFirst) {
    Field32 field(3, 2);
    field.at(1, 0) = 0x00112233;
    field.at(2, 0) = 0x00445566;
    field.at(1, 1) = 0x00778899;
    field.at(2, 1) = 0x00AABBCC;
    std::ostringstream out;
    ASSERT_TRUE(WriteFieldBmp(out, field.view(), {1, 0, 3, 2}));
    Bytes expected = Headers24(2, 2, 16);
    const Bytes rows{0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0,  // bottom row first
                     0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0};
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(BytesOf(out), expected);
}

TEST(WriteFieldBmpTest, OnePixelWideRowsTakeFourBytes) {
    Field32 field(1, 1);
    field.at(0, 0) = 0x00FFFFFF;
    std::ostringstream out;
    ASSERT_TRUE(WriteFieldBmp(out, field.view(), {0, 0, 1, 1}));
    const Bytes bytes = BytesOf(out);
    EXPECT_EQ(Bytes(bytes.begin() + 54, bytes.end()), (Bytes{255, 255, 255, 0}));
    EXPECT_EQ(ReadLe32(bytes, 2), 58u);
}

TEST(WriteFieldBmpTest, RefusesABoxOutsideTheFieldOrEmpty) {
    Field32 field(4, 4);
    std::ostringstream out;
    EXPECT_FALSE(WriteFieldBmp(out, field.view(), {2, 2, 5, 3}));
    EXPECT_FALSE(WriteFieldBmp(out, field.view(), {-1, 0, 2, 2}));
    EXPECT_FALSE(WriteFieldBmp(out, field.view(), {2, 2, 2, 3}));
    EXPECT_TRUE(out.str().empty());
}

TEST(WriteFieldBmpTest, ReportsOneStepPerRow) {
    Field32 field(2, 5);
    testing::ProgressLog progress;
    std::ostringstream out;
    ASSERT_TRUE(WriteFieldBmp(out, field.view(), {0, 0, 2, 5}, &progress));
    EXPECT_EQ(progress.begins, std::vector<int>{5});
    EXPECT_EQ(progress.steps, 5);
    EXPECT_EQ(progress.ends, 1);
}

TEST(WriteFieldBmpTest, WriteErrorEndsTheProgressAndFails) {
    Field32 field(8, 8);
    testing::FullDiskBuffer disk(100);
    std::ostream out(&disk);
    testing::ProgressLog progress;
    EXPECT_FALSE(WriteFieldBmp(out, field.view(), {0, 0, 8, 8}, &progress));
    EXPECT_EQ(progress.ends, 1);
}

class WritePictureBmpTest : public ::testing::TestWithParam<int> {};

TEST_P(WritePictureBmpTest, ReadsBackWithTheSameDepthAndColours) {
    const PictureBuffer picture = GetParam() == 1 ? PictureFromArt({"#.#", "..#"}, 1)
                                                  : PictureFromArt({"rgb", "y.#"}, GetParam());
    std::ostringstream out;
    ASSERT_TRUE(WritePictureBmp(out, picture));
    const Bytes bytes = BytesOf(out);
    const std::uint32_t tableBytes = GetParam() <= 8 ? 4u << GetParam() : 0;
    EXPECT_EQ(ReadLe32(bytes, 10), 54 + tableBytes);
    EXPECT_EQ(ReadLe32(bytes, 2), bytes.size());
    EXPECT_EQ(ReadLe16(bytes, 28), GetParam());
    const LoadResult back = ReadBmpStream(bytes);
    ASSERT_TRUE(back.isLoaded());
    EXPECT_EQ(back.picture.bitsPerPixel(), GetParam());
    EXPECT_EQ(ColoursOf(back.picture), ColoursOf(picture));
}

INSTANTIATE_TEST_SUITE_P(Depths, WritePictureBmpTest, ::testing::Values(1, 4, 8, 24, 32));

TEST(WritePictureBmpLayoutTest, HeaderFieldsAreExact) {
    const PictureBuffer picture = PictureFromArt({"rg"}, 8);
    std::ostringstream out;
    ASSERT_TRUE(WritePictureBmp(out, picture));
    const Bytes bytes = BytesOf(out);
    Bytes expected{'B', 'M'};
    AppendLe32(expected, 54 + 1024 + 4);
    AppendLe32(expected, 0);
    AppendLe32(expected, 54 + 1024);
    AppendLe32(expected, 40);
    AppendLe32(expected, 2);
    AppendLe32(expected, 1);
    AppendLe16(expected, 1);
    AppendLe16(expected, 8);
    AppendLe32(expected, 0);
    AppendLe32(expected, 4);
    expected.resize(54);
    ASSERT_EQ(bytes.size(), 54u + 1024 + 4);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 54), expected);
    EXPECT_EQ(Bytes(bytes.begin() + 62, bytes.begin() + 66), (Bytes{0, 0, 255, 0}));  // entry 2
    EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), (Bytes{2, 3, 0, 0}));
}

TEST(WritePictureBmpLayoutTest, BitFieldPictureKeepsItsMasksAndColours) {
    PictureHeader header;
    header.width = 2;
    header.height = 1;
    header.bitsPerPixel = 16;
    header.compression = kCompressionBitFields;
    PictureBuffer picture = PictureBuffer::Create(header, {}, BitMasks{0xF800, 0x07E0, 0x001F});
    picture.row(0)[1] = 0xF8;  // red
    picture.row(0)[2] = 0xE0;  // green, low byte
    picture.row(0)[3] = 0x07;
    std::ostringstream out;
    ASSERT_TRUE(WritePictureBmp(out, picture));
    const Bytes bytes = BytesOf(out);
    EXPECT_EQ(ReadLe32(bytes, 30), kCompressionBitFields);
    EXPECT_EQ(ReadLe32(bytes, 10), 66u);
    EXPECT_EQ(ReadLe32(bytes, 54), 0xF800u);
    EXPECT_EQ(ReadLe32(bytes, 58), 0x07E0u);
    EXPECT_EQ(ReadLe32(bytes, 62), 0x001Fu);
    const LoadResult back = ReadBmpStream(bytes);
    ASSERT_TRUE(back.isLoaded());
    EXPECT_EQ(testing::ArtOf(back.picture), std::vector<std::string>{"rg"});
}

TEST(WritePictureBmpLayoutTest, TopDownPictureIsWrittenBottomRowFirst) {
    const PictureBuffer picture = PictureFromArt({"r", "b"}, 24, true);
    std::ostringstream out;
    ASSERT_TRUE(WritePictureBmp(out, picture));
    const Bytes bytes = BytesOf(out);
    EXPECT_EQ(static_cast<std::int32_t>(ReadLe32(bytes, 22)), 2);
    EXPECT_EQ(testing::ArtOf(ReadBmpStream(bytes).picture), (std::vector<std::string>{"r", "b"}));
}

TEST(WriteBitmap24Test, AnyDepthBecomesTwentyFourBitsWithTheSameColours) {
    const PictureBuffer picture = PictureFromArt({"rgb-", "y.#c"}, 4);
    testing::ProgressLog progress;
    std::ostringstream out;
    ASSERT_TRUE(WriteBitmap24(out, picture, &progress));
    const Bytes bytes = BytesOf(out);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 54), Headers24(4, 2, 24));
    const LoadResult back = ReadBmpStream(bytes);
    EXPECT_EQ(back.picture.bitsPerPixel(), 24);
    EXPECT_EQ(ColoursOf(back.picture), ColoursOf(picture));
    EXPECT_EQ(progress.steps, 2);
}

TEST(BmpFileWriterTest, ReplacesAFileOnlyOnSuccessAndLeavesNoTemporaryFile) {
    testing::TempFolder folder;
    const auto path = folder.write("game.bmp", {'o', 'l', 'd'});
    EXPECT_FALSE(WritePictureBmp(path, PictureBuffer()));
    EXPECT_EQ(testing::ReadAll(path), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"game.bmp"});

    ASSERT_TRUE(WriteBitmap24(path, PictureFromArt({"r"})));
    EXPECT_EQ(testing::ArtOf(ReadBmpStream(testing::ReadAll(path)).picture),
              std::vector<std::string>{"r"});
    EXPECT_EQ(folder.names(), std::vector<std::string>{"game.bmp"});

    Field32 field(2, 2);
    EXPECT_TRUE(WriteFieldBmp(folder.path("capture.bmp"), field.view(), {0, 0, 2, 2}));
    EXPECT_FALSE(WriteFieldBmp(folder.path("missing/capture.bmp"), field.view(), {0, 0, 2, 2}));
}

// The temporary file of a capture never takes the name of a file that is there already, and
// the replaced capture keeps its permissions.
TEST(BmpFileWriterTest, CaptureLeavesThePlayersOtherFilesAndPermissionsAlone) {
    testing::TempFolder folder;
    const auto path = folder.write("capture.bmp", {'o', 'l', 'd'});
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    const Bytes mine = {'m', 'i', 'n', 'e'};
    folder.write("capture.bmp.part", mine);
    Field32 field(2, 2);

    EXPECT_FALSE(WriteFieldBmp(path, field.view(), {0, 0, 3, 3}));  // beyond the field
    EXPECT_TRUE(WriteFieldBmp(path, field.view(), {0, 0, 2, 2}));
    EXPECT_EQ(testing::ReadAll(folder.path("capture.bmp.part")), mine);
    EXPECT_EQ(testing::ReadAll(path).size(), 54u + 2 * 8);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"capture.bmp", "capture.bmp.part"}));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write |
                                                               std::filesystem::perms::group_read);
}

}  // namespace
}  // namespace tessary
