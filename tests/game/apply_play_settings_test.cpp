#include "game/apply_play_settings.h"

#include <gtest/gtest.h>

#include "core/element_set.h"
#include "field/render_element_image.h"
#include "game_harness.h"

namespace tessary {
namespace {

using testing::GameHarness;

// The play group as it is now, with `change` applied: what the settings dialog hands back.
template <typename Change>
PlaySettings Chosen(const GameSettings& settings, Change change) {
    PlaySettings chosen = settings;
    change(chosen);
    return chosen;
}

// Every element lies on the field picture as its rendered image shows it through its field
// region, checked for the topmost element, which nothing covers.
void ExpectTopmostDrawn(const GameHarness& h) {
    const ElementSet& set = *h.state.elements;
    const int top = set.zOrder()[0];
    const Element& e = set.element(top);
    const Bitmap32 image = RenderElementImage(e, set, h.state.picture, ContourPixel(h.settings));
    int checked = 0;
    for (int y = e.fieldRect.top; y < e.fieldRect.bottom; ++y) {
        for (int x = e.fieldRect.left; x < e.fieldRect.right; ++x) {
            if (!set.fieldRegions()[top].contains(x, y))
                continue;
            ASSERT_EQ(h.field.fieldPicture.pixel(x, y),
                      image.pixel(x - e.fieldRect.left, y - e.fieldRect.top))
                << x << ", " << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(ApplyPlaySettingsTest, AThickerContourGrowsEveryBitmapAndRedrawsTheField) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    const int before = h.state.plan.bitmapSide;
    h.platform.cursors.clear();

    ApplyPlaySettings(h.state, h.field, h.settings,
                      Chosen(h.settings, [](PlaySettings& s) { s.contourThickness = 5; }));

    EXPECT_EQ(h.settings.contourThickness, 5);
    EXPECT_EQ(h.state.plan.bitmapSide, before + 2);
    const ElementSet& set = *h.state.elements;
    EXPECT_EQ(set.geometry().W, before + 2);
    EXPECT_EQ(set.geometry().T, 5);
    for (const Element& e : set.elementTable()) {
        EXPECT_EQ(e.fieldRect.right - e.fieldRect.left, before + 2) << e.index;
        EXPECT_EQ(e.fieldRect.bottom - e.fieldRect.top, before + 2) << e.index;
        // The raised edge reaches 5 pixels beyond the shape to the right and below.
        EXPECT_EQ(e.raisedOutline.boundingBox().right, e.outline.boundingBox().right + 5)
            << e.index;
        EXPECT_EQ(e.raisedOutline.boundingBox().bottom, e.outline.boundingBox().bottom + 5)
            << e.index;
    }
    EXPECT_EQ(h.platform.cursors.front(), CursorShape::Busy);
    EXPECT_EQ(h.platform.cursors.back(), CursorShape::Arrow);
    ExpectTopmostDrawn(h);
}

TEST(ApplyPlaySettingsTest, TurningThe3DElementsOffStoresThicknessZeroAndKeepsTheBitmapSide) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    const int side = h.state.plan.bitmapSide;

    ApplyPlaySettings(h.state, h.field, h.settings,
                      Chosen(h.settings, [](PlaySettings& s) { s.enable3DElements = 0; }));
    EXPECT_EQ(h.settings.contourThickness, 0);
    EXPECT_EQ(h.state.plan.bitmapSide, side);
    EXPECT_FALSE(h.state.elements->options().enable3DElements);
    for (const Element& e : h.state.elements->elementTable()) {
        EXPECT_EQ(e.raisedOutline, e.outline) << e.index;
        EXPECT_EQ(e.fieldRect.right - e.fieldRect.left, side) << e.index;
    }
    ExpectTopmostDrawn(h);

    // On again with the thickness the dialog showed for the stored 0.
    ApplyPlaySettings(h.state, h.field, h.settings, Chosen(h.settings, [](PlaySettings& s) {
                          s.enable3DElements = 1;
                          s.contourThickness = 3;
                      }));
    EXPECT_EQ(h.settings.contourThickness, 3);
    EXPECT_EQ(h.state.plan.bitmapSide, side);
    EXPECT_TRUE(h.state.elements->options().enable3DElements);
    EXPECT_NE(h.state.elements->element(0).raisedOutline, h.state.elements->element(0).outline);
    ExpectTopmostDrawn(h);
}

TEST(ApplyPlaySettingsTest, OtherValuesReachTheRulesAtOnceWithoutARedraw) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    h.platform.cursors.clear();

    const bool isTimerChanged =
        ApplyPlaySettings(h.state, h.field, h.settings, Chosen(h.settings, [](PlaySettings& s) {
                              s.captureRange = 12;
                              s.exactAssembling = 0;
                              s.keyboardScrollSpeed = 0;
                              s.showTimer = 0;
                          }));
    EXPECT_TRUE(isTimerChanged);
    EXPECT_EQ(h.settings.captureRange, 12);
    EXPECT_EQ(h.settings.keyboardScrollSpeed, 0);
    EXPECT_EQ(h.state.elements->options().captureRange, 12);
    EXPECT_FALSE(h.state.elements->options().exactAssembling);
    EXPECT_TRUE(h.platform.cursors.empty()) << "the field was redrawn";

    EXPECT_FALSE(ApplyPlaySettings(h.state, h.field, h.settings, h.settings));
}

struct EditRow {
    const char* name;
    int32_t enable3D;
    int32_t stored;
    int32_t lastValid;
    int32_t shown;
    int32_t lastValidAfter;
};

TEST(ApplyPlaySettingsTest, TheDialogIsShownAValidThickness) {
    const EditRow rows[] = {
        {"valid thickness shown and remembered", 1, 4, 2, 4, 4},
        {"3D off: the last valid thickness", 0, 0, 5, 5, 5},
        {"3D off, none seen yet: 3", 0, 0, 0, 3, 0},
        {"hand-edited thickness with 3D off", 0, 2, 5, 2, 2},
    };
    for (const EditRow& row : rows) {
        SCOPED_TRACE(row.name);
        GameSettings settings;
        settings.enable3DElements = row.enable3D;
        settings.contourThickness = row.stored;
        int32_t lastValid = row.lastValid;
        const PlaySettings shown = PlaySettingsToEdit(settings, lastValid);
        EXPECT_EQ(shown.contourThickness, row.shown);
        EXPECT_EQ(lastValid, row.lastValidAfter);
        EXPECT_EQ(shown.enable3DElements, row.enable3D);
    }
}

}  // namespace
}  // namespace tessary
