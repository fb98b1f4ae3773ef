#include "field/zoom.h"

#include <algorithm>
#include <optional>

#include "field/field.h"
#include "field/viewport.h"

namespace tessary {
namespace {

// The smallest step larger than the current scale.
std::optional<ZoomScale> LargerStep(const Viewport& view) {
    std::optional<ZoomScale> found;
    for (const ZoomScale& step : ZoomSteps(view)) {
        if (view.zoom < step)
            found = step;
    }
    return found;
}

// The largest step smaller than the current scale.
std::optional<ZoomScale> SmallerStep(const Viewport& view) {
    for (const ZoomScale& step : ZoomSteps(view)) {
        if (step < view.zoom)
            return step;
    }
    return std::nullopt;
}

bool StepTo(Field& field, const std::optional<ZoomScale>& step, Point anchor) {
    if (!step)
        return false;
    SetZoom(field, *step, anchor);
    return true;
}

}  // namespace

std::vector<ZoomScale> ZoomSteps(const Viewport& view) {
    const ZoomScale fit = FitScale({view.fieldWidth, view.fieldHeight}, view.screenClientSize);
    std::vector<ZoomScale> steps(kZoomLevels.begin(), kZoomLevels.end());
    const auto place = std::find_if(steps.begin(), steps.end(),
                                    [&](const ZoomScale& level) { return !(fit < level); });
    if (place == steps.end() || !(*place == fit))
        steps.insert(place, fit);
    return steps;
}

bool CanZoomIn(const Viewport& view) {
    return LargerStep(view).has_value();
}

bool CanZoomOut(const Viewport& view) {
    return SmallerStep(view).has_value();
}

bool ZoomIn(Field& field, Point anchor) {
    return StepTo(field, LargerStep(field.viewport), anchor);
}

bool ZoomOut(Field& field, Point anchor) {
    return StepTo(field, SmallerStep(field.viewport), anchor);
}

Point ScreenCentre(const Viewport& view) {
    return {view.screenClientSize.x / 2, view.screenClientSize.y / 2};
}

}  // namespace tessary
