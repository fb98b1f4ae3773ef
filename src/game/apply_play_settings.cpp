#include "game/apply_play_settings.h"

#include "core/assembly_options.h"
#include "core/element_set.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/platform.h"
#include "game/game_state.h"

namespace tessary {
namespace {

constexpr int32_t kMinThickness = 1;
constexpr int32_t kMaxThickness = 5;

bool IsValidThickness(int32_t thickness) {
    return thickness >= kMinThickness && thickness <= kMaxThickness;
}

// The thickness the contour is drawn with.
int32_t DrawnThickness(const PlaySettings& settings) {
    return settings.enable3DElements != 0 ? settings.contourThickness : 0;
}

// The game's outline geometry with the bitmap side of the plan and the contour as drawn now.
OutlineGeometry GeometryNow(const ElementSet& set, const CuttingPlan& plan,
                            const PlaySettings& settings) {
    OutlineGeometry geometry = set.geometry();
    geometry.W = plan.bitmapSide;
    geometry.T = DrawnThickness(settings);
    return geometry;
}

// Every element's bitmap square takes the plan's side: its field rectangle grows or shrinks from
// its top-left corner.
void ResizeElementBitmaps(GameState& state) {
    if (!state.elementsCreated || !state.elements)
        return;
    ElementSet& set = *state.elements;
    for (int i = 0; i < set.elementCount(); ++i) {
        const Element& e = set.element(i);
        set.placeElement(i, {e.fieldRect.left, e.fieldRect.top});
    }
}

}  // namespace

PlaySettings PlaySettingsToEdit(const GameSettings& settings, int32_t& lastValidThickness) {
    PlaySettings values = settings;
    if (IsValidThickness(values.contourThickness))
        lastValidThickness = values.contourThickness;
    else
        values.contourThickness =
            IsValidThickness(lastValidThickness) ? lastValidThickness : kFallbackContourThickness;
    return values;
}

bool ApplyPlaySettings(GameState& state, Field& field, GameSettings& settings,
                       const PlaySettings& chosen) {
    const int32_t drawnBefore = DrawnThickness(settings);
    bool isResized = false;
    settings.enable3DElements = chosen.enable3DElements;
    if (chosen.enable3DElements == 0) {
        settings.contourThickness = 0;
    } else if (chosen.contourThickness != settings.contourThickness) {
        field.cursor.beginBusy();
        settings.contourThickness = chosen.contourThickness;
        state.plan.bitmapSide = state.plan.cellSize + settings.contourThickness;
        isResized = true;
    }
    settings.contourColor3D = chosen.contourColor3D;
    settings.captureRange = chosen.captureRange;
    settings.exactAssembling = chosen.exactAssembling;
    settings.enableMouseScroll = chosen.enableMouseScroll;
    settings.mouseScrollArea = chosen.mouseScrollArea;
    settings.mouseScrollSpeed = chosen.mouseScrollSpeed;
    settings.keyboardScrollSpeed = chosen.keyboardScrollSpeed;
    settings.wheelRotateElements = chosen.wheelRotateElements;
    settings.scrollWheel = chosen.scrollWheel;
    const bool isTimerChanged = chosen.showTimer != settings.showTimer;
    settings.showTimer = chosen.showTimer;

    // The elements keep copies of what the rules and the outlines read.
    if (state.elements) {
        state.elements->setGeometry(GeometryNow(*state.elements, state.plan, settings));
        state.elements->setOptions(AssemblyOptions::From(settings));
    }
    if (isResized) {
        ResizeElementBitmaps(state);
        field.cursor.endBusy();
    }
    // The contour compared as drawn: a thickness stored with 3D elements off (a hand-edited file)
    // has not been drawn, so switching 3D elements on redraws even when the thickness stays.
    if (isResized || DrawnThickness(settings) != drawnBefore)
        RedrawField(field, {.clear = true, .rebuildRegions = true});
    return isTimerChanged;
}

}  // namespace tessary
