#include "field/edge_scroll.h"

#include <algorithm>

#include "field/field.h"
#include "field/key_state.h"
#include "field/platform.h"
#include "field/viewport.h"

namespace tessary {
namespace {

// One axis: the low strip [0, A) scrolls back, the high strip scrolls on. `isHighEdgeIn` says
// whether the far edge itself belongs to the high strip.
bool EdgeScrollAxis(int& scroll, int limit, int position, int size, int area, int speed,
                    bool isHighEdgeIn) {
    if (position >= 0 && position < area) {
        if (scroll == 0)
            return false;
        scroll = std::max(0, scroll - speed);
        return true;
    }
    const bool isInHighStrip =
        position > size - area && (isHighEdgeIn ? position <= size : position < size);
    if (!isInHighStrip || scroll == limit)
        return false;
    scroll = std::min(limit, scroll + speed);
    return true;
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
    const bool movedX =
        EdgeScrollAxis(v.scrollX, v.scrollMaxX, client.x, v.clientRect.width(), A, V, true);
    const bool movedY =
        EdgeScrollAxis(v.scrollY, v.scrollMaxY, client.y, v.clientRect.height(), A, V, false);
    if (!movedX && !movedY)
        return false;
    RefreshDragRegion(field);
    field.platform.invalidateAll();
    field.platform.repaintNow();
    return true;
}

}  // namespace tessary
