#include "field/scroll_to.h"

#include <algorithm>

#include "field/field.h"
#include "field/platform.h"
#include "field/viewport.h"

namespace tessary {

bool ScrollToCentre(Field& field, Point fieldPoint) {
    Viewport& v = field.viewport;
    const int x = std::clamp(fieldPoint.x - v.clientRect.right / 2, 0, v.scrollMaxX);
    const int y = std::clamp(fieldPoint.y - v.clientRect.bottom / 2, 0, v.scrollMaxY);
    if (x == v.scrollX && y == v.scrollY)
        return false;
    v.scrollX = x;
    v.scrollY = y;
    RefreshDragRegion(field);
    field.platform.invalidateAll();
    return true;
}

}  // namespace tessary
