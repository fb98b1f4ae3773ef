#include <gtest/gtest.h>

#include "core/bitmap32.h"
#include "field/dragging.h"
#include "field/key_state.h"
#include "field/overview_layout.h"
#include "field/scale_down.h"
#include "field/scaled_carried.h"
#include "field/scroll_to.h"
#include "field/viewport.h"
#include "field_fixtures.h"

namespace tessary {
namespace {

TEST(OverviewLayoutTest, TheWholeFieldFitsCentredInTheInside) {
    struct Row {
        const char* name;
        Point inside, field;
        ZoomScale scale;
        Rect fieldArea;
    } const rows[] = {
        {"same proportions", {240, 180}, {1200, 900}, {51, 256}, {0, 0, 240, 180}},
        {"wider inside", {300, 180}, {1200, 900}, {51, 256}, {30, 0, 270, 180}},
        {"taller inside", {240, 200}, {1200, 900}, {51, 256}, {0, 10, 240, 190}},
        {"field smaller than the inside", {400, 400}, {200, 100}, {1, 1}, {100, 150, 300, 250}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const OverviewLayout layout = LayOutOverview(row.inside, row.field);
        EXPECT_EQ(layout.scale, row.scale);
        EXPECT_EQ(layout.fieldArea, row.fieldArea);
    }
    EXPECT_EQ(OverviewInsideSize({1024, 768}, {1024, 768}), (Point{204, 153}));
    EXPECT_EQ(OverviewInsideSize({3000, 1000}, {1920, 1080}), (Point{384, 128}));
}

TEST(OverviewLayoutTest, MapsOverviewPointsToFieldPointsAndBack) {
    // A quarter, shifted by 10 pixels to the right.
    const OverviewLayout layout = LayOutOverview({320, 225}, {1200, 900});
    ASSERT_EQ(layout.scale, (ZoomScale{1, 4}));
    ASSERT_EQ(layout.fieldArea, (Rect{10, 0, 310, 225}));
    struct Row {
        const char* name;
        Point overview, field;
    } const rows[] = {
        {"top-left pixel", {10, 0}, {1, 1}},
        {"inside", {110, 50}, {401, 201}},
        {"bottom-right pixel", {309, 224}, {1197, 897}},
        {"beside the field: its nearest edge", {0, 500}, {1, 897}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Point field = layout.fieldPointAt(row.overview);
        EXPECT_EQ(field, row.field);
        const Rect back = layout.overviewRectOf({field.x, field.y, field.x + 1, field.y + 1});
        EXPECT_EQ((Point{back.left, back.top}),
                  (Point{std::clamp(row.overview.x, 10, 309), std::clamp(row.overview.y, 0, 224)}));
    }
}

TEST(OverviewLayoutTest, FramesTheVisiblePartOfTheField) {
    const OverviewLayout layout = LayOutOverview({320, 225}, {1200, 900});
    struct Row {
        const char* name;
        Point fieldSize, clientSize, scroll;
        Rect visible, framed;
    } const rows[] = {
        {"at the origin", {1200, 900}, {800, 600}, {0, 0}, {0, 0, 800, 600}, {10, 0, 210, 150}},
        {"scrolled to the end",
         {1200, 900},
         {800, 600},
         {400, 300},
         {400, 300, 1200, 900},
         {110, 75, 310, 225}},
        {"not on scaled pixel bounds",
         {1200, 900},
         {801, 599},
         {3, 5},
         {3, 5, 804, 604},
         {10, 1, 211, 151}},
        {"client larger than the field",
         {1200, 900},
         {1300, 1000},
         {0, 0},
         {0, 0, 1200, 900},
         {10, 0, 310, 225}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Viewport v;
        v.fieldWidth = row.fieldSize.x;
        v.fieldHeight = row.fieldSize.y;
        v.clientRect = {0, 0, row.clientSize.x, row.clientSize.y};
        v.scrollX = row.scroll.x;
        v.scrollY = row.scroll.y;
        EXPECT_EQ(VisibleFieldPart(v), row.visible);
        EXPECT_EQ(layout.overviewRectOf(VisibleFieldPart(v)), row.framed);
    }
}

TEST(ScrollToCentreTest, CentresTheViewWithinTheScrollLimits) {
    TestGame game;  // a 1200 x 900 field behind 800 x 600
    Field& field = game.field();
    Viewport& v = field.viewport;
    ASSERT_EQ((Point{v.scrollMaxX, v.scrollMaxY}), (Point{400, 300}));
    struct Row {
        const char* name;
        Point from, centre, to;
    } const rows[] = {
        {"within the limits", {0, 0}, {600, 450}, {200, 150}},
        {"before the origin", {100, 100}, {10, 700}, {0, 300}},
        {"beyond the limits", {0, 0}, {5000, -5}, {400, 0}},
        {"already there", {0, 0}, {400, 300}, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        v.scrollX = row.from.x;
        v.scrollY = row.from.y;
        game.platform.clearRecords();
        EXPECT_EQ(ScrollToCentre(field, row.centre), row.to != row.from);
        EXPECT_EQ((Point{v.scrollX, v.scrollY}), row.to);
        EXPECT_EQ(game.platform.wholeInvalidations, row.to != row.from ? 1 : 0);
    }
    // A held element's clip follows the view.
    game.pick(game.centre(0), kLeftButton);
    ASSERT_EQ(field.heldElement, 0);
    ScrollToCentre(field, {700, 500});
    EXPECT_EQ(field.dragRegion, game.set().fieldRegions()[0].translated(-v.scrollX, -v.scrollY));
}

TEST(ScaledCarriedTest, ShowsTheCarriedElementAsTheFieldWillOnceItIsDropped) {
    constexpr Rect kEverywhere{0, 0, 10000, 10000};
    TestGame game({.rows = 3, .columns = 3});
    Field& field = game.field();
    const ZoomScale scale{1, 3};
    field.viewport.scrollX = 50;
    RefreshDragRegion(field);
    EXPECT_TRUE(ScaleDownCarried(field, scale, kEverywhere).area.isEmpty()) << "nothing is held";

    game.pick(game.centre(4), kLeftButton);
    game.dragTo({game.centre(4).x + 37, game.centre(4).y + 91});
    ASSERT_EQ(field.heldElement, 4);
    const ScaledPatch patch = ScaleDownCarried(field, scale, kEverywhere);
    ASSERT_FALSE(patch.area.isEmpty());

    ReleaseElement(field);
    Bitmap32 expected(patch.area.width(), patch.area.height());
    ScaleDownArea(field.fieldPicture, {0, 0},
                  {field.viewport.fieldWidth, field.viewport.fieldHeight}, scale, patch.area,
                  expected, {0, 0});
    EXPECT_EQ(patch.pixels, expected);
    EXPECT_EQ(patch.area, scale.scaledCover(game.set().fieldRegions()[4].boundingBox()));
}

}  // namespace
}  // namespace tessary
