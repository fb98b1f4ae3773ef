#pragma once

#include "core/bitmap32.h"
#include "core/geometry.h"
#include "picture/pixel_view.h"

namespace tessary {

struct Field;

/// Where the capture-rectangle mode stands.
enum class CaptureState {
    Normal = -1,   // mouse events go to the pieces
    Armed = 0,     // the next left-button press starts a rectangle
    Dragging = 1,  // the pointer drags the rectangle's second corner
};

/// The rectangle the player drags over the field to capture it as a picture.
/// Invariant: `marked` is empty unless captureState is Dragging.
struct CaptureSelection {
    CaptureState captureState = CaptureState::Normal;
    Point start;  // the press, client coordinates
    Rect marked;  // the box shown inverted on the window now, client coordinates, ordered
};

/// What a button release meant to the capture mode.
struct CaptureRelease {
    bool isConsumed = false;  // the release ended a rectangle; the pieces must not see it
    CaptureRect box;          // the chosen part of the field; empty when nothing is to be saved
};

/// The capture-rectangle command: the next left-button press starts a rectangle, and the
/// capture cursor shows until the rectangle is released.
void ArmCaptureRectangle(Field& field, CaptureSelection& selection);

/// A button press at `client`. Returns whether the capture mode takes it: a left press while
/// armed starts the rectangle (the mouse is captured); any press while dragging is swallowed.
bool CaptureMouseDown(Field& field, CaptureSelection& selection, bool isLeftButton, Point client);

/// A pointer move to `client`. While dragging, the second corner follows the pointer and only
/// the pixels that change between the old and the new box are inverted; returns whether the
/// move was taken.
bool CaptureMouseMove(Field& field, CaptureSelection& selection, Point client);

/// A button release at `client`. A left release while dragging removes the marking, releases
/// the mouse, takes the capture cursor down and ends the mode; the box from the press to `client`
/// is moved into field coordinates, ordered and cut at the field's edges. Any other release while
/// dragging is swallowed; outside dragging nothing is taken.
CaptureRelease CaptureMouseUp(Field& field, CaptureSelection& selection, bool isLeftButton,
                              Point client);

/// Escape: ends the mode without capturing anything, removing the marking and releasing the
/// mouse. Returns whether the mode was on.
bool CancelCapture(Field& field, CaptureSelection& selection);

/// The field picture as the picture writers read it.
PixelView32 FieldPixels(const Bitmap32& fieldPicture);

}  // namespace tessary
