#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/region.h"
#include "field/compose_client_area.h"
#include "field/dragging.h"
#include "field/key_state.h"
#include "field/region_blit.h"
#include "field/render_element_image.h"
#include "field/scale_down.h"
#include "field/scaled_field_copy.h"
#include "field/viewport.h"
#include "field/zoom.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

std::string Name(ZoomScale z) {
    return std::to_string(z.numerator) + "/" + std::to_string(z.denominator);
}

// A test game shown through an 800 x 600 client area of the window's own (screen) pixels.
void ShowThroughTheWindow(TestGame& game) {
    ChangeClientSize(game.field(), 800, 600);
}

TEST(ZoomTest, ScreenAndClientPointsMapBackAndForthAtEveryScale) {
    const ZoomScale scales[] = {{1, 1}, {3, 4}, {1, 2}, {1, 3}, {1, 4}, {341, 512}};
    const Point scrolls[] = {{0, 0}, {5, 7}, {37, 100}};
    Viewport v;
    for (const ZoomScale& z : scales) {
        for (const Point& scroll : scrolls) {
            SCOPED_TRACE(Name(z) + " scrolled " + std::to_string(scroll.x));
            v.zoom = z;
            v.scrollX = scroll.x;
            v.scrollY = scroll.y;
            for (int s = -9; s < 60; ++s) {
                // A screen pixel's field pixel is one its scaled pixel reads, and the pointer
                // put on it comes back to the same screen pixel.
                const Point client = v.clientOfScreen({s, s});
                const int scaled = v.scaledOrigin().x + s;
                const Rect read = z.fieldCover({scaled, 0, scaled + 1, 1});
                EXPECT_TRUE(read.contains(client.x + scroll.x, 0)) << s;
                EXPECT_EQ(v.screenOfClient(client), (Point{s, s})) << s;
                // The screen pixels showing a client point cover it.
                const Rect cover = v.screenCover({client.x, client.y, client.x + 1, client.y + 1});
                EXPECT_TRUE(cover.contains(s, s)) << s;
            }
        }
    }
    v.zoom = {1, 4};
    v.scrollX = 13;
    EXPECT_EQ(v.clientOfScreen({11, 0}).x - v.clientOfScreen({10, 0}).x, 4)
        << "a screen pixel is four field pixels at 25 %";
    EXPECT_EQ(v.fieldLength(10), 40);
    v.zoom = {3, 4};
    EXPECT_EQ(v.fieldLength(30), 40);
}

TEST(ZoomTest, StepsGoThroughTheLevelsWithTheWholeFieldInItsPlace) {
    struct Row {
        Point field, client;
        std::vector<ZoomScale> steps;
    };
    const Row rows[] = {
        {{1200, 900}, {800, 600}, {{1, 1}, {3, 4}, {341, 512}, {1, 2}, {1, 3}, {1, 4}}},
        {{4000, 3000}, {800, 600}, {{1, 1}, {3, 4}, {1, 2}, {1, 3}, {1, 4}, {51, 256}}},
        {{1600, 1200}, {800, 600}, {{1, 1}, {3, 4}, {1, 2}, {1, 3}, {1, 4}}},  // whole at 50 %
        {{800, 600}, {1000, 800}, {{1, 1}, {3, 4}, {1, 2}, {1, 3}, {1, 4}}},   // whole at 100 %
    };
    for (const Row& row : rows) {
        Viewport v;
        v.fieldWidth = row.field.x;
        v.fieldHeight = row.field.y;
        v.screenClientSize = row.client;
        const std::vector<ZoomScale> steps = ZoomSteps(v);
        ASSERT_EQ(steps.size(), row.steps.size()) << row.field.x;
        for (std::size_t i = 0; i < steps.size(); ++i)
            EXPECT_EQ(Name(steps[i]), Name(row.steps[i])) << row.field.x;
    }
}

TEST(ZoomTest, ZoomingKeepsTheFieldPointUnderTheAnchor) {
    TestGame game;
    ShowThroughTheWindow(game);
    SetFieldSize(game.field(), 4000, 3000);  // room to scroll at every scale
    Viewport& v = game.field().viewport;
    v.scrollX = 600;
    v.scrollY = 450;
    const Point anchor{100, 80};  // over field point (700, 530), which no limit keeps away
    const ZoomScale path[] = {{3, 4}, {1, 2}, {1, 4}, {1, 3}, {1, 1}};
    for (const ZoomScale& z : path) {
        SCOPED_TRACE(Name(z));
        const Point before = v.toField(v.clientOfScreen(anchor));
        game.platform.clearRecords();
        SetZoom(game.field(), z, anchor);
        const Point after = v.toField(v.clientOfScreen(anchor));
        // Within the scaled pixel that shows the point before.
        EXPECT_EQ(z.scaledFloor(after.x), z.scaledFloor(before.x));
        EXPECT_EQ(z.scaledFloor(after.y), z.scaledFloor(before.y));
        EXPECT_EQ(v.clientRect, (Rect{0, 0, z.fieldCeil(800), z.fieldCeil(600)}));
        EXPECT_EQ(v.scrollMaxX, 4000 - z.fieldCeil(800));
        EXPECT_EQ(game.platform.wholeInvalidations, 1);
    }
}

TEST(ZoomTest, TheWholeFieldFollowsTheClientSizeAndANewFieldSizeIsShownAt100) {
    TestGame game;
    ShowThroughTheWindow(game);
    Viewport& v = game.field().viewport;
    ASSERT_TRUE(ZoomOut(game.field(), ScreenCentre(v)));
    ASSERT_TRUE(ZoomOut(game.field(), ScreenCentre(v)));
    EXPECT_EQ(Name(v.zoom), "341/512");
    ChangeClientSize(game.field(), 600, 450);
    EXPECT_EQ(Name(v.zoom), "1/2") << "the whole field at the new size";
    EXPECT_EQ(v.clientRect, (Rect{0, 0, 1200, 900}));
    EXPECT_EQ((Point{v.scrollMaxX, v.scrollMaxY}), (Point{0, 0}));

    SetFieldSize(game.field(), 1500, 1000);
    EXPECT_TRUE(v.zoom.isIdentity());
    EXPECT_EQ(v.clientRect, (Rect{0, 0, 600, 450}));
    EXPECT_EQ(v.scrollMaxX, 900);

    // A fixed level below the whole field stays through a resize.
    SetZoom(game.field(), {1, 4}, {0, 0});
    ChangeClientSize(game.field(), 800, 600);
    EXPECT_EQ(Name(v.zoom), "1/4");
    EXPECT_EQ(v.clientRect, (Rect{0, 0, 3200, 2400}));
    EXPECT_EQ((Point{v.scrollMaxX, v.scrollMaxY}), (Point{0, 0}));
}

// The pixels of the client area at the view's zoom as they should be: the field picture with
// the held element drawn into it, scaled down as a whole.
Bitmap32 ExpectedView(const Field& field) {
    Bitmap32 composed = field.fieldPicture;
    if (field.heldElement >= 0) {
        const Element& e = field.elements->element(field.heldElement);
        CopyThroughRegion(
            composed,
            RenderElementImage(e, *field.elements, *field.picture, ContourPixel(field.settings)),
            {e.fieldRect.left, e.fieldRect.top},
            field.dragRegion.translated(field.viewport.scrollX, field.viewport.scrollY));
    }
    const Viewport& v = field.viewport;
    const Point origin = v.scaledOrigin();
    Bitmap32 out(v.screenClientSize.x, v.screenClientSize.y);
    ScaleDownArea(composed, {0, 0}, {composed.width(), composed.height()}, v.zoom,
                  {origin.x, origin.y, origin.x + out.width(), origin.y + out.height()}, out,
                  {0, 0});
    return out;
}

class ZoomedViewTest : public ::testing::TestWithParam<ZoomScale> {};

TEST_P(ZoomedViewTest, ShowsTheScaledFieldWithTheCarriedPieceAsItWillLieOnceDropped) {
    TestGame game({.rows = 2, .columns = 3});
    ShowThroughTheWindow(game);
    Field& field = game.field();
    SetZoom(field, GetParam(), {200, 150});
    field.viewport.scrollX = 37;  // a scroll that is not a whole scaled pixel
    ScaledFieldCopy copy(field, GetParam());
    Bitmap32 seen;
    const Rect all{0, 0, 800, 600};
    ComposeClientArea(field, seen, all, &copy);  // the copy is up to date before the drag

    // A join, then the block carried off and a piece alone carried over it.
    ASSERT_EQ(game.dropBeside(1, 0, kRight), JoinReaction::Joined);
    game.pick(game.centre(0), kDragChord);
    game.dragTo({game.centre(0).x + 9, game.centre(0).y + 130});
    ReleaseElement(field);
    game.pick(game.centre(4), kDragChord);
    game.dragTo({game.centre(0).x + 21, game.centre(0).y + 17});
    ASSERT_EQ(field.heldElement, 4);
    ComposeClientArea(field, seen, all, &copy);
    EXPECT_EQ(seen, ExpectedView(field));

    // Put down, it looks just as it did while carried.
    const Bitmap32 carried = seen;
    ReleaseElement(field);
    ComposeClientArea(field, seen, all, &copy);
    EXPECT_EQ(seen, carried);
}

INSTANTIATE_TEST_SUITE_P(Scales, ZoomedViewTest,
                         ::testing::Values(ZoomScale{1, 4}, ZoomScale{3, 4}), [](const auto& info) {
                             return std::to_string(info.param.numerator) + "_" +
                                    std::to_string(info.param.denominator);
                         });

}  // namespace
}  // namespace tessary
