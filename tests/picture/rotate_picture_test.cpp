#include "picture/rotate_picture.h"

#include <gtest/gtest.h>

#include <random>

#include "picture/pixel_reader.h"
#include "test_pictures.h"

namespace tessary {
namespace {

using testing::ArtOf;
using testing::ColoursOf;
using testing::MakePicture;
using testing::PictureFromArt;

using Art = std::vector<std::string>;

TEST(RotatePictureQuarterTest, TurnsCounterClockwiseTopEdgeToTheLeft) {
    for (int depth : {4, 8, 24, 32}) {
        SCOPED_TRACE(depth);
        EXPECT_EQ(ArtOf(RotatePictureQuarter(PictureFromArt({"rgb", "y.#"}, depth))),
                  (Art{"b#", "g.", "ry"}));
    }
    EXPECT_EQ(ArtOf(RotatePictureQuarter(PictureFromArt({"#..", ".##"}, 1))),
              (Art{".#", ".#", "#."}));
}

TEST(RotatePictureQuarterTest, TopDownSourceTurnsTheSameOnScreen) {
    EXPECT_EQ(ArtOf(RotatePictureQuarter(PictureFromArt({"rgb", "y.#"}, 24, true))),
              (Art{"b#", "g.", "ry"}));
}

TEST(RotatePictureQuarterTest, SwapsTheSidesAndRecomputesTheStride) {
    const PictureBuffer turned = RotatePictureQuarter(MakePicture(5, 2, 24));
    ASSERT_FALSE(turned.isEmpty());
    EXPECT_EQ(turned.width(), 2);
    EXPECT_EQ(turned.height(), 5);
    EXPECT_EQ(turned.stride(), 8u);
    EXPECT_EQ(turned.header().imageSize, 40u);
    EXPECT_EQ(MakePicture(5, 2, 24).stride(), 16u);
}

TEST(RotatePictureQuarterTest, KeepsPaletteAndMasks) {
    PictureHeader header;
    header.width = 2;
    header.height = 1;
    header.bitsPerPixel = 16;
    header.compression = kCompressionBitFields;
    const BitMasks masks{0xF800, 0x07E0, 0x001F};
    const PictureBuffer turned = RotatePictureQuarter(PictureBuffer::Create(header, {}, masks));
    EXPECT_TRUE(turned.hasBitFields());
    EXPECT_EQ(turned.masks(), masks);
    const PictureBuffer paletted = MakePicture(3, 3, 8);
    const PictureBuffer turnedPaletted = RotatePictureQuarter(paletted);
    EXPECT_TRUE(std::equal(paletted.palette().begin(), paletted.palette().end(),
                           turnedPaletted.palette().begin(), turnedPaletted.palette().end()));
}

// Random pixels of the given depth; the row padding stays zero.
PictureBuffer RandomPicture(int width, int height, int depth, unsigned seed) {
    PictureBuffer picture = MakePicture(width, height, depth);
    std::mt19937 random(seed);
    const std::size_t usedBits = static_cast<std::size_t>(width) * depth;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = picture.storedRow(y);
        for (std::size_t bit = 0; bit < usedBits; bit += 8) {
            const unsigned keep = usedBits - bit >= 8 ? 0xFF : 0xFF00u >> (usedBits - bit) & 0xFF;
            row[bit / 8] = static_cast<std::uint8_t>(random() & keep);
        }
    }
    return picture;
}

class QuarterTurnsTest : public ::testing::TestWithParam<int> {};

TEST_P(QuarterTurnsTest, FourTurnsGiveBackTheSameBytes) {
    // 13 x 7 leaves part of a byte unused at 1 and 4 bits and padding at every depth.
    const PictureBuffer picture = RandomPicture(13, 7, GetParam(), 7);
    PictureBuffer turned = picture;
    for (int i = 0; i < 4; ++i) {
        turned = RotatePictureQuarter(turned);
        ASSERT_FALSE(turned.isEmpty());
    }
    EXPECT_TRUE(std::equal(picture.pixels().begin(), picture.pixels().end(),
                           turned.pixels().begin(), turned.pixels().end()));
}

TEST_P(QuarterTurnsTest, EveryPixelLandsWhereTheTurnPutsIt) {
    // Larger than one tile of the whole-byte copy, with partial tiles at both ends.
    const int width = 150;
    const int height = 70;
    const PictureBuffer picture = RandomPicture(width, height, GetParam(), 11);
    const PictureBuffer turned = RotatePictureQuarter(picture);
    ASSERT_EQ(turned.width(), height);
    ASSERT_EQ(turned.height(), width);
    const PixelReader before(picture);
    const PixelReader after(turned);
    int misplaced = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            misplaced += before.colourAt(x, y) != after.colourAt(y, width - 1 - x);
        }
    }
    EXPECT_EQ(misplaced, 0);
}

INSTANTIATE_TEST_SUITE_P(Depths, QuarterTurnsTest, ::testing::Values(1, 4, 8, 16, 24, 32));

TEST(BuildRotatedPicturesTest, BuildsTheThreeTurns) {
    const PictureBuffer picture = PictureFromArt({"rgb", "y.#"});
    TurnedPictures turned;
    ASSERT_TRUE(BuildRotatedPictures(picture, turned));
    EXPECT_EQ(ArtOf(turned[0]), (Art{"b#", "g.", "ry"}));
    EXPECT_EQ(ArtOf(turned[1]), (Art{"#.y", "bgr"}));
    EXPECT_EQ(ArtOf(turned[2]), (Art{"yr", ".g", "#b"}));
}

TEST(BuildRotatedPicturesTest, EmptyPictureFailsAndLeavesNoOldCopies) {
    TurnedPictures turned;
    ASSERT_TRUE(BuildRotatedPictures(PictureFromArt({"r"}), turned));
    EXPECT_FALSE(BuildRotatedPictures(PictureBuffer(), turned));
    for (const PictureBuffer& copy : turned) {
        EXPECT_TRUE(copy.isEmpty());
    }
}

}  // namespace
}  // namespace tessary
