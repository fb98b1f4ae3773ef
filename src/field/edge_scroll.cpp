#include "field/edge_scroll.h"

#include <algorithm>

#include "field/field.h"
#include "field/key_state.h"
#include "field/platform.h"
#include "field/viewport.h"

namespace tessary {
namespace {

// Where the pointer lies along one axis: in the strip at the low edge, at the high edge, or
// in neither.
enum class Strip { None, Low, High };

// The low strip is [0, area); the high strip starts after size - area and, when
// `isHighEdgeIn`, takes the far edge itself. The low strip is tested first.
Strip EdgeStrip(int position, int size, int area, bool isHighEdgeIn) {
    if (position >= 0 && position < area)
        return Strip::Low;
    if (position > size - area && (isHighEdgeIn ? position <= size : position < size))
        return Strip::High;
    return Strip::None;
}

// For a carried piece the mouse is captured and the pointer may leave the client area: the
// strips reach on beyond the edges.
Strip CarryStrip(int position, int size, int area) {
    if (position < area)
        return Strip::Low;
    if (position > size - area)
        return Strip::High;
    return Strip::None;
}

// Moves the origin `speed` towards the strip's edge, clamped to [0, limit]. Returns whether it
// moved.
bool ScrollTowards(int& scroll, int limit, Strip strip, int speed) {
    if (strip == Strip::Low && scroll != 0) {
        scroll = std::max(0, scroll - speed);
        return true;
    }
    if (strip == Strip::High && scroll != limit) {
        scroll = std::min(limit, scroll + speed);
        return true;
    }
    return false;
}

}  // namespace

bool EdgeScrollStep(Field& field, int keyState, Point client) {
    Viewport& v = field.viewport;
    const GameSettings& s = field.settings;
    if (!field.hasElements() || field.cursor.isCapturing() || keyState == kDragChord ||
        IsDetachChord(keyState) || s.enableMouseScroll == 0 ||
        (v.scrollMaxX == 0 && v.scrollMaxY == 0)) {
        return false;
    }
    // The strips and the step are screen pixels, whatever the zoom.
    const int A = v.fieldLength(s.mouseScrollArea), V = v.fieldLength(s.mouseScrollSpeed);
    // The right strip takes x = W, the bottom strip stops short of y = H.
    const bool movedX = ScrollTowards(v.scrollX, v.scrollMaxX,
                                      EdgeStrip(client.x, v.clientRect.width(), A, true), V);
    const bool movedY = ScrollTowards(v.scrollY, v.scrollMaxY,
                                      EdgeStrip(client.y, v.clientRect.height(), A, false), V);
    if (!movedX && !movedY)
        return false;
    RefreshDragRegion(field);
    field.platform.invalidateAll();
    field.platform.repaintNow();
    return true;
}

bool CarryScrollStep(Field& field, Point client) {
    Viewport& v = field.viewport;
    const GameSettings& s = field.settings;
    if (!field.extraOptions.scrollWhileCarrying || field.heldElement < 0)
        return false;
    const int A = v.fieldLength(s.mouseScrollArea), V = v.fieldLength(s.mouseScrollSpeed);
    const bool movedX =
        ScrollTowards(v.scrollX, v.scrollMaxX, CarryStrip(client.x, v.clientRect.width(), A), V);
    const bool movedY =
        ScrollTowards(v.scrollY, v.scrollMaxY, CarryStrip(client.y, v.clientRect.height(), A), V);
    return movedX || movedY;
}

}  // namespace tessary
