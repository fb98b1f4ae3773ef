#include "picture/jpeg_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "picture/jpeg_reader.h"
#include "picture/pixel_reader.h"
#include "temp_folder.h"
#include "writer_fixtures.h"

namespace tessary {
namespace {

using testing::Field32;

std::vector<std::uint8_t> Encode(const Field32& field, const CaptureRect& box,
                                 const JpegOptions& options = {}) {
    std::ostringstream out;
    EXPECT_TRUE(WriteFieldJpeg(out, options, field.view(), box));
    const std::string text = out.str();
    return {text.begin(), text.end()};
}

// Left half orange, right half blue, in 0xRRGGBB.
Field32 TwoColourField(int width, int height) {
    Field32 field(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            field.at(x, y) = x < width / 2 ? 0x00FF8000 : 0x000000FF;
        }
    }
    return field;
}

bool HasMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t marker) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == marker) {
            return true;
        }
    }
    return false;
}

TEST(WriteFieldJpegTest, DecodesToTheBoxWithItsColours) {
    const Field32 field = TwoColourField(64, 32);
    const LoadResult back = ReadJpegStream(Encode(field, {16, 8, 48, 24}, {95, 0, false, false}));
    ASSERT_TRUE(back.isLoaded()) << back.failure;
    EXPECT_EQ(back.picture.width(), 32);
    EXPECT_EQ(back.picture.height(), 16);
    const PixelReader reader(back.picture);
    const ColourRef orange = reader.colourAt(4, 8);
    const ColourRef blue = reader.colourAt(28, 8);
    EXPECT_NEAR(RedOf(orange), 255, 4);
    EXPECT_NEAR(GreenOf(orange), 128, 4);
    EXPECT_NEAR(BlueOf(orange), 0, 4);
    EXPECT_NEAR(BlueOf(blue), 255, 4);
    EXPECT_NEAR(RedOf(blue), 0, 4);
}

TEST(WriteFieldJpegTest, OptionsReachTheEncoder) {
    Field32 field(64, 64);
    for (std::size_t i = 0; i < field.pixels.size(); ++i) {
        field.pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    }
    const CaptureRect all{0, 0, 64, 64};
    const auto baseline = Encode(field, all, {75, 0, false, false});
    const auto progressive = Encode(field, all, {75, 0, false, true});
    const auto optimized = Encode(field, all, {75, 0, true, false});
    EXPECT_TRUE(HasMarker(baseline, 0xC0));
    EXPECT_TRUE(HasMarker(progressive, 0xC2));
    EXPECT_LT(optimized.size(), baseline.size());
    EXPECT_LT(Encode(field, all, {10, 0, false, false}).size(), baseline.size());
    EXPECT_NE(Encode(field, all, {75, 60, false, false}), baseline);
    for (const auto& bytes : {progressive, optimized}) {
        EXPECT_TRUE(ReadJpegStream(bytes).isLoaded());
    }
}

TEST(WriteFieldJpegTest, WriteErrorFailsAndEndsTheProgress) {
    const Field32 field = TwoColourField(64, 64);
    testing::FullDiskBuffer disk(700);
    std::ostream out(&disk);
    testing::ProgressLog progress;
    EXPECT_FALSE(WriteFieldJpeg(out, {}, field.view(), {0, 0, 64, 64}, &progress));
    EXPECT_EQ(progress.ends, progress.begins.size());
}

TEST(WriteFieldJpegTest, RefusesABoxOutsideTheField) {
    const Field32 field = TwoColourField(8, 8);
    std::ostringstream out;
    EXPECT_FALSE(WriteFieldJpeg(out, {}, field.view(), {4, 4, 9, 8}));
    EXPECT_TRUE(out.str().empty());
}

TEST(WriteFieldJpegTest, FileIsReplacedOnlyOnSuccess) {
    testing::TempFolder folder;
    const Field32 field = TwoColourField(16, 16);
    const auto path = folder.write("shot.jpg", {'o', 'l', 'd'});
    EXPECT_FALSE(WriteFieldJpeg(path, {}, field.view(), {0, 0, 17, 16}));
    EXPECT_EQ(testing::ReadAll(path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    ASSERT_TRUE(WriteFieldJpeg(path, {}, field.view(), {0, 0, 16, 16}));
    EXPECT_EQ(LoadJpegFile(path).picture.width(), 16);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"shot.jpg"});
}

}  // namespace
}  // namespace tessary
