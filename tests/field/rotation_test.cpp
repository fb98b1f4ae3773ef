#include <gtest/gtest.h>

#include "field/key_state.h"
#include "field/render_element_image.h"
#include "field/rotation.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

struct ElementState {
    Rect fieldRect, base;
    EdgeTable knobs, knobShifts, links;
    int rotation;
    Region region;

    friend bool operator==(const ElementState&, const ElementState&) = default;
};

std::vector<ElementState> StateOf(TestGame& game) {
    std::vector<ElementState> states;
    for (int i = 0; i < game.set().elementCount(); ++i) {
        const Element& e = game.set().element(i);
        states.push_back({e.fieldRect, game.set().baseRects()[i], e.knobs, e.knobShifts, e.links,
                          e.rotation, game.set().fieldRegions()[i]});
    }
    return states;
}

TEST(RotateBlockTest, FourQuarterTurnsGiveBackTheBlock) {
    for (int turn : {1, -1}) {
        TestGame game;
        ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
        ASSERT_EQ(game.dropBeside(2, 0, kBottom), JoinReaction::Joined);
        const std::vector<ElementState> before = StateOf(game);
        const Bitmap32 picture = game.field().fieldPicture;
        game.pointAt(game.centre(0));
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(RotateBlock(game.field(), turn));
        EXPECT_EQ(StateOf(game), before) << "turn " << turn;
        EXPECT_EQ(game.field().fieldPicture, picture) << "turn " << turn;
    }
}

TEST(RotateBlockTest, ClockwiseTurnPutsTheRightElementBelowAndTurnsThePicture) {
    TestGame game({.rows = 1, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    const Point P = game.core(0);
    game.pointAt(game.centre(0));
    ASSERT_TRUE(RotateBlock(game.field(), 1));
    EXPECT_EQ(game.core(0), P);
    EXPECT_EQ(game.core(1), (Point{P.x, P.y + 64}));
    EXPECT_EQ(game.set().element(0).links[kBottom], 1);
    EXPECT_EQ(game.set().element(1).links[kTop], 0);
    EXPECT_EQ(game.set().element(0).rotation, 3);
    EXPECT_EQ(game.platform.sounds, std::vector<Sound>{Sound::Rotation});
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
    // Picture point (u, v) now lies at (63 - v, u) from the block's corner; element 1's far
    // side (towards element 2) is left out.
    for (int u = 0; u < 104; ++u) {
        for (int v = 0; v < 64; ++v)
            ASSERT_EQ(game.field().fieldPicture.pixel(P.x + 63 - v, P.y + u), PicturePixel(u, v))
                << u << "," << v;
    }
}

TEST(RotateBlockTest, NothingUnderThePointerTurnsNothing) {
    TestGame game;
    game.pointAt({700, 600});
    EXPECT_FALSE(RotateBlock(game.field(), 1));
    EXPECT_FALSE(RotateSingle(game.field(), 1));
    EXPECT_TRUE(game.platform.sounds.empty());
}

TEST(RotateBlockTest, NoTurnWhileAnElementIsHeld) {
    TestGame game;
    game.pick(game.centre(0), kMiddleButton);
    EXPECT_FALSE(RotateBlock(game.field(), 1));
    EXPECT_FALSE(RotateSingle(game.field(), 1));
    EXPECT_EQ(game.set().element(0).rotation, 0);
}

TEST(RotateSingleTest, TurnsOneElementOutOfItsBlock) {
    TestGame game({.rows = 1, .columns = 3});
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    const Region oldRegion = game.set().fieldRegions()[1];
    const Point at = game.core(1);
    game.pointAt(game.centre(1));
    game.platform.clearRecords();
    ASSERT_TRUE(RotateSingle(game.field(), -1));
    EXPECT_EQ(game.core(1), at);
    EXPECT_EQ(game.set().element(1).rotation, 1);
    EXPECT_TRUE(game.set().element(1).alone);
    EXPECT_TRUE(game.set().element(0).alone);
    EXPECT_EQ(game.platform.sounds, std::vector<Sound>{Sound::Rotation});
    EXPECT_TRUE((oldRegion - game.platform.invalidated).isEmpty());
    EXPECT_TRUE((game.set().fieldRegions()[1] - game.platform.invalidated).isEmpty());
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

TEST(ReorientElementTest, TurnsAndBuildsTheRegionWithoutDrawing) {
    TestGame game;
    const Bitmap32 picture = game.field().fieldPicture;
    ReorientElement(game.field(), 3, 2);
    const Element& e = game.set().element(3);
    EXPECT_EQ(e.rotation, 2);
    EXPECT_EQ(game.set().fieldRegions()[3],
              e.raisedOutline.translated(e.fieldRect.left, e.fieldRect.top));
    EXPECT_EQ(game.field().fieldPicture, picture);
    EXPECT_TRUE(game.platform.sounds.empty());
    // It shows the picture turned by half: element 3's corner pixel (63, 63) of its core is
    // the picture's bottom-right pixel, now at the core's top-left.
    EXPECT_EQ(RenderElementImage(e, game.set(), game.picture, kContourPixel).pixel(16, 16),
              PicturePixel(127, 127));
}

}  // namespace
}  // namespace tessary
