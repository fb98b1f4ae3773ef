#include "field/keyboard_and_wheel.h"

#include <algorithm>

#include "core/element_set.h"
#include "field/field.h"
#include "field/key_state.h"
#include "field/platform.h"
#include "field/rotation.h"
#include "field/zoom.h"

namespace tessary {
namespace {

// Moves the origin on one axis by `amount` back (isForward false) or on, within 0..limit;
// false when it already was at the end it moves towards.
bool ScrollAxis(int& scroll, int limit, bool isForward, int amount) {
    if (isForward ? scroll == limit : scroll == 0)
        return false;
    scroll = std::clamp(isForward ? scroll + amount : scroll - amount, 0, limit);
    return true;
}

// bitmapSide at its current value: the elements' own while they exist, else the last game's.
int WheelStep(const Field& field) {
    return field.hasElements() ? field.elements->geometry().W : field.viewport.bitmapSide;
}

}  // namespace

bool ScrollWithArrowKey(Field& field, ArrowKey key) {
    if (field.heldElement >= 0)
        return false;
    Viewport& v = field.viewport;
    const int speed = v.fieldLength(field.settings.keyboardScrollSpeed);
    bool moved = false;
    switch (key) {
        case ArrowKey::Left:
            moved = ScrollAxis(v.scrollX, v.scrollMaxX, false, speed);
            break;
        case ArrowKey::Right:
            moved = ScrollAxis(v.scrollX, v.scrollMaxX, true, speed);
            break;
        case ArrowKey::Up:
            moved = ScrollAxis(v.scrollY, v.scrollMaxY, false, speed);
            break;
        case ArrowKey::Down:
            moved = ScrollAxis(v.scrollY, v.scrollMaxY, true, speed);
            break;
    }
    if (moved)
        field.platform.invalidateAll();
    return moved;
}

bool HandleWheel(Field& field, int keyState, int delta) {
    if (keyState == kControlKey) {
        // Nothing while a piece is held or a capture rectangle is being chosen: both are drawn
        // at the present scale.
        if (delta != 0 && field.heldElement < 0 && !field.cursor.isCapturing()) {
            const Point anchor = field.viewport.screenOfClient(field.platform.pointerPosition());
            if (delta > 0)
                ZoomIn(field, anchor);
            else
                ZoomOut(field, anchor);
        }
        return true;
    }
    if (keyState & kLeftButton)
        return false;
    if (field.settings.wheelRotateElements != 0 && !(keyState & kRightButton) && delta != 0) {
        if (RotateBlock(field, delta < 0 ? 1 : -1))
            return true;
    }
    if (field.settings.scrollWheel == 0)
        return true;
    if (field.heldElement >= 0)
        return false;
    if (delta == 0)
        return true;
    Viewport& v = field.viewport;
    const int step = v.fieldLength(WheelStep(field));
    const bool isHorizontal = keyState == kShiftKey || keyState == kRightButton;
    int& scroll = isHorizontal ? v.scrollX : v.scrollY;
    const int limit = isHorizontal ? v.scrollMaxX : v.scrollMaxY;
    if (ScrollAxis(scroll, limit, delta < 0, step))
        field.platform.invalidateAll();
    return true;
}

}  // namespace tessary
