#include "field/hint.h"

#include <algorithm>
#include <vector>

#include "core/bring_to_front.h"
#include "core/element_set.h"
#include "field/dragging.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/platform.h"

namespace tessary {
namespace {

// How far inside the client area a hinted element's centre must lie to count as in view.
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

    const Rect& client = view.clientRect;
    Rect inner{client.left + kHintMargin, client.top + kHintMargin, client.right - kHintMargin,
               client.bottom - kHintMargin};
    auto inView = std::find_if(candidates.begin(), candidates.end(), [&](int c) {
        Point p = view.toClient(CentreOf(set, c));
        return inner.contains(p.x, p.y);
    });
    int chosen = inView != candidates.end() ? *inView : candidates.front();
    Point centre = CentreOf(set, chosen);
    if (inView != candidates.end()) {
        RaiseAndDraw(field, chosen);
    } else {
        Rect v = inner.translated(view.scrollX, view.scrollY);
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
