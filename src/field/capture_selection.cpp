#include "field/capture_selection.h"

#include <algorithm>

#include "core/region.h"
#include "field/field.h"
#include "field/platform.h"

namespace tessary {
namespace {

// The box between the press and `corner`, ordered; the pixel under the pointer is outside it
// when the pointer lies right of or below the press.
Rect BoxTo(const CaptureSelection& selection, Point corner) {
    return Rect{selection.start.x, selection.start.y, corner.x, corner.y}.normalized();
}

// Shows `box` as the marked box, inverting only the pixels that change.
void Mark(Field& field, CaptureSelection& selection, const Rect& box) {
    const Region changed = Region::FromRect(selection.marked) ^ Region::FromRect(box);
    if (!changed.isEmpty())
        field.platform.invert(changed);
    selection.marked = box.isEmpty() ? Rect{} : box;
}

// Back to normal play: the marking removed, the mouse released, the capture cursor gone.
void EndCapture(Field& field, CaptureSelection& selection) {
    if (selection.captureState == CaptureState::Dragging) {
        Mark(field, selection, Rect{});
        field.platform.captureMouse(false);
    }
    selection.captureState = CaptureState::Normal;
    field.cursor.setCapturing(false);
}

}  // namespace

void ArmCaptureRectangle(Field& field, CaptureSelection& selection) {
    if (selection.captureState == CaptureState::Dragging)
        return;  // the rectangle under way stays as it is
    selection.captureState = CaptureState::Armed;
    field.cursor.setCapturing(true);
}

bool CaptureMouseDown(Field& field, CaptureSelection& selection, bool isLeftButton, Point client) {
    switch (selection.captureState) {
        case CaptureState::Normal:
            return false;
        case CaptureState::Armed:
            if (!isLeftButton)
                return false;
            field.platform.captureMouse(true);
            selection.start = client;
            selection.marked = Rect{};
            selection.captureState = CaptureState::Dragging;
            return true;
        case CaptureState::Dragging:
            return true;
    }
    return false;
}

bool CaptureMouseMove(Field& field, CaptureSelection& selection, Point client) {
    if (selection.captureState != CaptureState::Dragging)
        return false;
    Mark(field, selection, BoxTo(selection, client));
    return true;
}

CaptureRelease CaptureMouseUp(Field& field, CaptureSelection& selection, bool isLeftButton,
                              Point client) {
    if (selection.captureState != CaptureState::Dragging)
        return {};
    if (!isLeftButton)
        return {true, {}};
    // What is shown is removed, wherever the last move left it.
    EndCapture(field, selection);

    const Viewport& v = field.viewport;
    const Rect box = BoxTo(selection, client).translated(v.scrollX, v.scrollY);
    CaptureRect chosen{std::max(box.left, 0), std::max(box.top, 0),
                       std::min(box.right, field.fieldPicture.width()),
                       std::min(box.bottom, field.fieldPicture.height())};
    if (chosen.isEmpty())
        chosen = CaptureRect{};
    return {true, chosen};
}

bool CancelCapture(Field& field, CaptureSelection& selection) {
    if (selection.captureState == CaptureState::Normal)
        return false;
    EndCapture(field, selection);
    return true;
}

PixelView32 FieldPixels(const Bitmap32& fieldPicture) {
    return PixelView32{fieldPicture.pixels().data(), fieldPicture.width(), fieldPicture.height(),
                       fieldPicture.width()};
}

}  // namespace tessary
