#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/bitmap32.h"
#include "field/dragging.h"
#include "field/field_drawing.h"
#include "field/key_state.h"
#include "field/rotation.h"
#include "field/scale_down.h"
#include "field/scaled_field_copy.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

Bitmap32 RandomBitmap(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Bitmap32 b(width, height);
    for (std::uint32_t& p : b.pixels())
        p = random() & 0xFFFFFF;
    return b;
}

// The same average worked out on a grid of subpixels of 1 / n field pixel: scaled pixel i
// covers subpixels [i * d, (i + 1) * d), field pixel x the subpixels [x * n, (x + 1) * n).
std::uint32_t SubpixelAverage(const Bitmap32& field, ZoomScale s, int i, int j) {
    const int n = s.numerator, d = s.denominator;
    std::uint64_t sum[3] = {}, count = 0;
    for (int v = j * d; v < std::min((j + 1) * d, field.height() * n); ++v) {
        for (int u = i * d; u < std::min((i + 1) * d, field.width() * n); ++u) {
            const std::uint32_t p = field.pixel(u / n, v / n);
            sum[0] += p >> 16 & 0xFF;
            sum[1] += p >> 8 & 0xFF;
            sum[2] += p & 0xFF;
            ++count;
        }
    }
    auto channel = [&](int c) { return static_cast<std::uint32_t>((sum[c] + count / 2) / count); };
    return channel(0) << 16 | channel(1) << 8 | channel(2);
}

TEST(ScaleDownTest, EveryScaledPixelIsTheAreaAverageOfTheFieldPixelsItCovers) {
    const Bitmap32 field = RandomBitmap(37, 23, 7);
    for (const ZoomScale s : {ZoomScale{1, 1}, ZoomScale{3, 4}, ZoomScale{1, 2}, ZoomScale{1, 3},
                              ZoomScale{1, 4}, ZoomScale{5, 7}, ZoomScale{300, 1024}}) {
        SCOPED_TRACE(::testing::Message() << s.numerator << "/" << s.denominator);
        const Point size = s.scaledSize({field.width(), field.height()});
        Bitmap32 whole(size.x, size.y, 0xABCDEF);
        ScaleDownArea(field, {0, 0}, {37, 23}, s, {0, 0, size.x, size.y}, whole, {0, 0});
        for (int j = 0; j < size.y; ++j) {
            for (int i = 0; i < size.x; ++i)
                ASSERT_EQ(whole.pixel(i, j), SubpixelAverage(field, s, i, j)) << i << "," << j;
        }
        // A part, read from a source that holds only the field pixels it needs, lands where
        // asked and leaves the rest of `out` alone.
        const Rect part{1, 1, size.x - 1, size.y};
        const Rect needed = s.fieldCover(part);
        Bitmap32 source(needed.width(), needed.height());
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const bool inField = needed.left + x < 37 && needed.top + y < 23;
                source.setPixel(x, y, inField ? field.pixel(needed.left + x, needed.top + y) : 0);
            }
        }
        Bitmap32 out(size.x + 2, size.y + 2, 0x123456);
        ScaleDownArea(source, {needed.left, needed.top}, {37, 23}, s, part, out, {3, 2});
        for (int y = 0; y < out.height(); ++y) {
            for (int x = 0; x < out.width(); ++x) {
                const Point p{x - 3 + part.left, y - 2 + part.top};
                const std::uint32_t expected =
                    part.contains(p.x, p.y) ? whole.pixel(p.x, p.y) : 0x123456;
                ASSERT_EQ(out.pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

// A fresh scaling of the whole field picture.
Bitmap32 ScaledAfresh(const Field& field, ZoomScale s) {
    const Point fieldSize{field.fieldPicture.width(), field.fieldPicture.height()};
    const Point size = s.scaledSize(fieldSize);
    Bitmap32 b(size.x, size.y);
    ScaleDownArea(field.fieldPicture, {0, 0}, fieldSize, s, {0, 0, size.x, size.y}, b, {0, 0});
    return b;
}

TEST(ScaledFieldCopyTest, FollowsMovesJoinsTurnsAndABackgroundChange) {
    TestGame game({.rows = 3, .columns = 3});
    Field& field = game.field();
    game.settings.rotateElements = 1;
    ScaledFieldCopy quarter(field, {1, 4});
    ScaledFieldCopy threeQuarters(field, {3, 4});
    auto refreshAll = [&] {
        for (ScaledFieldCopy* copy : {&quarter, &threeQuarters})
            copy->refresh({0, 0, copy->bitmap().width(), copy->bitmap().height()});
    };
    refreshAll();
    ASSERT_EQ(quarter.bitmap(), ScaledAfresh(field, {1, 4}));

    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    game.pick(game.centre(8), kLeftButton);
    game.dragTo({game.centre(8).x + 37, game.centre(8).y + 91});
    ReleaseElement(field);
    game.pointAt(game.centre(0));
    ASSERT_TRUE(RotateBlock(field, +1));
    game.pointAt(game.centre(4));
    ASSERT_TRUE(RotateSingle(field, -1));
    // Only the top-left quarter is brought up to date, then the rest: a refresh leaves nothing
    // stale behind in what it was asked for.
    quarter.refresh({0, 0, quarter.bitmap().width() / 2, quarter.bitmap().height() / 2});
    refreshAll();
    EXPECT_EQ(quarter.bitmap(), ScaledAfresh(field, {1, 4}));
    EXPECT_EQ(threeQuarters.bitmap(), ScaledAfresh(field, {3, 4}));

    field.background.colour = 0x00336699;
    RedrawField(field, {.clear = true});
    refreshAll();
    EXPECT_EQ(quarter.bitmap(), ScaledAfresh(field, {1, 4}));
    EXPECT_EQ(threeQuarters.bitmap(), ScaledAfresh(field, {3, 4}));
}

}  // namespace
}  // namespace tessary
