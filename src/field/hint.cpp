#include "field/hint.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/bring_to_front.h"
#include "core/element_set.h"
#include "field/dragging.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/platform.h"
#include "field/viewport.h"
#include "field/zoom.h"

namespace tessary {
namespace {

// How far inside the client area a hinted element's centre must lie to count as in view, in
// screen pixels.
constexpr int kHintMargin = 32;

// The picture neighbours of `index` it is not joined to, in the order top, right, bottom,
// left of the picture.
std::vector<int> MissingNeighbours(const ElementSet& set, int index) {
    const Element& e = set.element(index);
    std::vector<int> found;
    for (Side pictureSide : {kTop, kRight, kBottom, kLeft}) {
        if (e.hasLink(FieldSideOf(pictureSide, e.rotation)))
            continue;
        int neighbour = set.pictureNeighbour(index, pictureSide);
        if (neighbour >= 0)
            found.push_back(neighbour);
    }
    return found;
}

// The centre of an element's cell on the field.
Point CentreOf(const ElementSet& set, int index) {
    const Rect& r = set.element(index).fieldRect;
    int half = set.geometry().cellSize / 2;
    return {r.left + half, r.top + half};
}

// Moves one scroll coordinate so that `centre` comes inside [low, high] of the view (field
// coordinates), within 0..max.
int ScrollToward(int scroll, int max, int centre, int low, int high) {
    if (centre < low)
        return std::max(0, scroll + centre - low);
    if (centre > high)
        return std::min(max, scroll + centre - high);
    return scroll;
}

// A view zoomed out from 100 % zooms out further, about the pointer, as far as it takes for
// two field points to lie in view together, each the hint's margin inside.
void ZoomOutToShowBoth(Field& field, Point a, Point b, Point pointer) {
    const Viewport& view = field.viewport;
    if (view.zoom.isIdentity())
        return;
    const Point screen = view.screenClientSize;
    auto fits = [&](ZoomScale zoom) {
        const int margin = 2 * zoom.fieldCeil(kHintMargin);
        return std::abs(a.x - b.x) <= zoom.fieldFloor(screen.x) - margin &&
               std::abs(a.y - b.y) <= zoom.fieldFloor(screen.y) - margin;
    };
    if (fits(view.zoom))
        return;
    const std::vector<ZoomScale> steps = ZoomSteps(view);
    auto step = std::find_if(steps.begin(), steps.end(),
                             [&](ZoomScale z) { return z < view.zoom && fits(z); });
    SetZoom(field, step != steps.end() ? *step : steps.back(), view.screenOfClient(pointer));
}

void RaiseAndDraw(Field& field, int index) {
    BringToFront(*field.elements, index);
    DrawElement(field, index, {.invalidate = true});
    DrawBlockMembers(field, index);
}

}  // namespace

HintOutcome ShowHint(Field& field, std::int64_t now) {
    field.cursor.endHint();
    if (!field.hasElements() || field.heldElement >= 0)
        return HintOutcome::Nothing;
    Viewport& view = field.viewport;
    Point pointer = field.platform.pointerPosition();
    int under = HitTest(field, view.toField(pointer));
    if (under < 0)
        return HintOutcome::Nothing;

    const ElementSet& set = *field.elements;
    std::vector<int> candidates;
    if (!set.element(under).enclosed)
        candidates = MissingNeighbours(set, under);
    if (candidates.empty()) {
        field.cursor.showHint(false, now);
        field.platform.movePointer({pointer.x + 1, pointer.y + 1});
        return HintOutcome::NoHint;
    }

    auto innerView = [&view] {
        const Rect& client = view.clientRect;
        const int margin = view.fieldLength(kHintMargin);
        return Rect{client.left + margin, client.top + margin, client.right - margin,
                    client.bottom - margin};
    };
    const Rect inner = innerView();
    auto inView = std::find_if(candidates.begin(), candidates.end(), [&](int c) {
        Point p = view.toClient(CentreOf(set, c));
        return inner.contains(p.x, p.y);
    });
    int chosen = inView != candidates.end() ? *inView : candidates.front();
    Point centre = CentreOf(set, chosen);
    if (inView != candidates.end()) {
        RaiseAndDraw(field, chosen);
    } else {
        ZoomOutToShowBoth(field, CentreOf(set, under), centre, pointer);
        Rect v = innerView().translated(view.scrollX, view.scrollY);
        view.scrollX = ScrollToward(view.scrollX, view.scrollMaxX, centre.x, v.left, v.right);
        view.scrollY = ScrollToward(view.scrollY, view.scrollMaxY, centre.y, v.top, v.bottom);
        RaiseAndDraw(field, chosen);
        field.platform.invalidateAll();
        field.platform.repaintNow();
    }
    field.cursor.showHint(true, now);
    field.platform.movePointer(view.toClient(centre));
    return HintOutcome::Hint;
}

}  // namespace tessary
