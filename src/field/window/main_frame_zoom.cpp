#include "field/window/main_frame.h"

#include "field/viewport.h"
#include "field/window/command_ids.h"
#include "field/zoom.h"

// The main window's zoom commands: the keys + and -, and the items of "Вид". Zooming by the
// wheel is the field's own.
namespace tessary {

bool CMainFrame::canZoom(int command) const {
    // A capture rectangle is marked at the scale it was started at.
    if (field_.cursor.isCapturing())
        return false;
    const Viewport& v = field_.viewport;
    switch (command) {
        case kCmdZoomIn:
            return CanZoomIn(v);
        case kCmdZoomOut:
            return CanZoomOut(v);
        default:
            return !v.zoom.isIdentity();
    }
}

void CMainFrame::zoomCommand(int command) {
    const Point centre = ScreenCentre(field_.viewport);
    switch (command) {
        case kCmdZoomIn:
            ZoomIn(field_, centre);
            return;
        case kCmdZoomOut:
            ZoomOut(field_, centre);
            return;
        default:
            SetZoom(field_, ZoomScale(), centre);
    }
}

}  // namespace tessary
