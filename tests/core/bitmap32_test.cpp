#include "core/bitmap32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace tessary {
namespace {

// Sizes that take each kind of storage: a few pixels, an element image (many to a shared
// huge page), and a picture of huge pages of its own.
struct SizeCase {
    const char* name;
    int width;
    int height;
};

class Bitmap32Storage : public testing::TestWithParam<SizeCase> {};

// Every pixel its own value, so that a copy of the wrong memory shows.
Bitmap32 Numbered(int width, int height) {
    Bitmap32 b = Bitmap32::Uninitialised(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.setPixel(x, y, static_cast<uint32_t>(y * width + x));
    return b;
}

TEST_P(Bitmap32Storage, FillCopyAndMoveKeepPixelsAndSize) {
    const SizeCase c = GetParam();
    const Bitmap32 filled(c.width, c.height, 0x123456);
    EXPECT_TRUE(std::all_of(filled.pixels().begin(), filled.pixels().end(),
                            [](uint32_t p) { return p == 0x123456; }));

    Bitmap32 original = Numbered(c.width, c.height);
    Bitmap32 copy = original;
    EXPECT_EQ(copy, original);
    copy.setPixel(c.width - 1, c.height - 1, 0xFFFFFF);
    EXPECT_NE(copy, original);  // the copy owns its own pixels
    EXPECT_EQ(original.pixel(c.width - 1, c.height - 1),
              static_cast<uint32_t>(c.width * c.height - 1));

    Bitmap32 moved = std::move(original);
    EXPECT_EQ(moved, Numbered(c.width, c.height));
    EXPECT_TRUE(original.isEmpty());  // NOLINT(bugprone-use-after-move): moved from is empty
    EXPECT_EQ(original.width(), 0);

    copy = moved;
    EXPECT_EQ(copy, moved);
    copy = Bitmap32();
    EXPECT_TRUE(copy.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, Bitmap32Storage,
                         testing::Values(SizeCase{"FewPixels", 3, 2},
                                         SizeCase{"ElementImage", 99, 99},
                                         SizeCase{"FieldPicture", 1500, 1000}),
                         [](const auto& info) { return info.param.name; });

TEST(Bitmap32, SameSizedPicturesReleasedInAnyOrderLeaveTheOthersIntact) {
    // More element images than share one huge page, released every third, then new ones made
    // in the freed places.
    std::vector<Bitmap32> images;
    for (int i = 0; i < 200; ++i)
        images.emplace_back(99, 99, static_cast<uint32_t>(i));
    for (std::size_t i = 0; i < images.size(); i += 3)
        images[i] = Bitmap32();
    for (std::size_t i = 0; i < images.size(); i += 3)
        images[i] = Bitmap32(99, 99, 0xABCDEF);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const uint32_t expected = i % 3 == 0 ? 0xABCDEF : static_cast<uint32_t>(i);
        EXPECT_EQ(images[i], Bitmap32(99, 99, expected)) << "image " << i;
    }
}

TEST(Bitmap32, EmptyPicturesAreEqualWhateverTheirOrigin) {
    EXPECT_EQ(Bitmap32(), Bitmap32(0, 0));
    EXPECT_TRUE(Bitmap32(5, 0).isEmpty());
    EXPECT_NE(Bitmap32(5, 0), Bitmap32(0, 5));
}

}  // namespace
}  // namespace tessary
