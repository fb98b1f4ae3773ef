#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "core/region.h"
#include "field/field_drawing.h"
#include "field/key_state.h"
#include "field/region_blit.h"
#include "field/render_element_image.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

// What a lone element at rotation 0 shows at bitmap point (x, y): the picture inside its
// outline, the contour colour in its 3D edge, the background elsewhere.
std::uint32_t LoneElementPixel(const TestGame& game, const Element& e, int x, int y) {
    const int S = game.g().S;  // the core lies 16 pixels into the bitmap
    if (e.outline.contains(x, y)) {
        const int col = e.index % 2, row = e.index / 2;
        return PicturePixel(col * S - 16 + x, row * S - 16 + y);
    }
    return e.raisedOutline.contains(x, y) ? kContourPixel : kBackgroundPixel;
}

TEST(DrawingTest, LoneElementShowsItsFull3DEdge) {
    TestGame game;
    const Element& e = game.set().element(3);
    int edgePixels = 0;
    for (int y = 0; y < game.g().W; ++y) {
        for (int x = 0; x < game.g().W; ++x) {
            const std::uint32_t seen =
                game.field().fieldPicture.pixel(e.fieldRect.left + x, e.fieldRect.top + y);
            ASSERT_EQ(seen, LoneElementPixel(game, e, x, y)) << x << "," << y;
            edgePixels += seen == kContourPixel;
        }
    }
    // A band of 3 pixels below and right of a 64-pixel core, knobs aside.
    EXPECT_GT(edgePixels, 2 * 3 * 64);
}

TEST(DrawingTest, TwoJoinedElementsShowNoEdgeBetweenThem) {
    TestGame game({.rows = 1, .columns = 3});  // straight top and bottom sides
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    const Point c = game.core(0);
    // Both cores up to where element 1's right side (towards element 2) begins: the seam at
    // u = 64 with its knob and blank shows nothing but the picture.
    for (int v = 0; v < 64; ++v) {
        for (int u = 0; u < 104; ++u)
            ASSERT_EQ(game.field().fieldPicture.pixel(c.x + u, c.y + v), PicturePixel(u, v))
                << u << "," << v;
    }
    // The free sides keep their edge: below both elements.
    EXPECT_EQ(game.field().fieldPicture.pixel(c.x + 10, c.y + 64), kContourPixel);
    EXPECT_EQ(game.field().fieldPicture.pixel(c.x + 100, c.y + 64), kContourPixel);
}

TEST(DrawingTest, LiftingRestoresTheTextureAlignedWithTheRestOfTheField) {
    TestGame game({.isTextured = true});
    const Region lifted = game.set().fieldRegions()[0];
    LiftElement(game.field(), 0, {.invalidate = true, .beneath = Beneath::AllElements});
    EXPECT_TRUE(game.set().element(0).lifted);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch({0}));
    const Bitmap32& texture = game.field().background.texture;
    lifted.forEachSpan([&](int y, Span s) {
        for (int x = s.left; x < s.right; ++x)
            ASSERT_EQ(game.field().fieldPicture.pixel(x, y), texture.pixel(x % 7, y % 5));
    });
    EXPECT_EQ(game.platform.invalidated, lifted);
}

TEST(DrawingTest, LiftingRedrawsTheNeighboursOnlyInsideTheLiftedRegion) {
    TestGame game({.rows = 1, .columns = 3}, 40);  // overlapping bitmaps, element 0 on top
    const Bitmap32 before = game.field().fieldPicture;
    const Region& lifted = game.set().fieldRegions()[1];
    LiftElement(game.field(), 1, {.beneath = Beneath::AllElements});
    const Bitmap32 expected = game.redrawnFromScratch({1});
    const Bitmap32& seen = game.field().fieldPicture;
    int redrawn = 0;
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x) {
            const bool isInside = lifted.contains(x, y);
            ASSERT_EQ(seen.pixel(x, y), isInside ? expected.pixel(x, y) : before.pixel(x, y));
            redrawn += isInside && seen.pixel(x, y) != kBackgroundPixel;
        }
    }
    EXPECT_GT(redrawn, 0);  // the neighbours show through where element 1 was
}

TEST(DrawingTest, LiftingWithBlockMatesLeftOutKeepsThemErased) {
    TestGame game;
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    LiftElement(game.field(), 1);
    LiftElement(game.field(), 0);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch({0, 1}));
}

TEST(DrawingTest, DrawingClipsToTheFieldPictureAtNegativeCoordinates) {
    TestGame game;
    LiftElement(game.field(), 0, {.beneath = Beneath::AllElements});
    game.set().moveElement(0, -70, -60);
    DrawElement(game.field(), 0, {.invalidate = true});
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
    EXPECT_FALSE(game.set().element(0).lifted);
}

TEST(DrawingTest, RedrawFieldSwitches) {
    TestGame game({.isTextured = true});
    game.field().fieldPicture.fill(0);
    RedrawField(game.field(), {.clear = true, .playSound = true, .rebuildRegions = true});
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
    EXPECT_TRUE(game.platform.invalidated.isEmpty()) << "a cleared field is invalidated whole";
    EXPECT_EQ(game.platform.wholeInvalidations, 1);
    EXPECT_EQ(game.platform.sounds, std::vector<Sound>{Sound::Join});
    EXPECT_EQ(game.platform.cursors,
              (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Arrow}));

    game.platform.clearRecords();
    RedrawField(game.field());
    EXPECT_FALSE(game.platform.invalidated.isEmpty()) << "each element is invalidated";
    EXPECT_TRUE(game.platform.sounds.empty());

    game.platform.clearRecords();
    game.field().elements = nullptr;
    RedrawField(game.field(), {.clear = true});
    EXPECT_EQ(game.field().fieldPicture.pixel(300, 300),
              game.field().background.texture.pixel(300 % 7, 0));
    EXPECT_EQ(game.platform.repaints, 1);
}

TEST(DrawingTest, FieldPainterRedrawsAPartnerOfADetachedElement) {
    TestGame game;
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    game.pick(game.centre(1), kMiddleButton);
    // The partner regained its 3D edge on the side it lost its link.
    EXPECT_TRUE(game.set().element(0).alone);
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch({1}));
}

TEST(RenderElementImageTest, ElementsWithoutTheirPictureAreRefusedLoudly) {
    TestGame game;
    const Bitmap32 before = game.field().fieldPicture;
    game.field().picture = nullptr;
    EXPECT_THROW(DrawElement(game.field(), 0), std::logic_error);
    EXPECT_EQ(game.field().fieldPicture, before);
}

TEST(RenderElementImageTest, ThirtyTwoBitTopDownPictureRendersAsTwentyFourBit) {
    TestGame game;
    PictureHeader header;
    header.width = game.picture.width();
    header.height = -game.picture.height();
    header.bitsPerPixel = 32;
    PictureBuffer wide = PictureBuffer::Create(header);
    for (int y = 0; y < wide.height(); ++y) {
        for (int x = 0; x < wide.width(); ++x) {
            const std::uint32_t p = PicturePixel(x, y) | 0xFF000000;  // the unused byte is set
            std::memcpy(wide.row(y) + 4 * x, &p, 4);
        }
    }
    for (int i = 0; i < game.set().elementCount(); ++i) {
        const Element& e = game.set().element(i);
        EXPECT_EQ(RenderElementImage(e, game.set(), wide, kContourPixel),
                  RenderElementImage(e, game.set(), game.picture, kContourPixel))
            << "element " << i;
    }
}

}  // namespace
}  // namespace tessary
