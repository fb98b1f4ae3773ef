#pragma once

#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include "core/bitmap32.h"
#include "core/completion.h"
#include "core/geometry.h"
#include "field/cursor_modes.h"

class QPainter;

namespace tessary {

class Region;
class ScaledFieldCopy;
struct Field;
struct GameState;

/// A region of ours as a Qt region (one rectangle per span).
QRegion QRegionOf(const Region& region);

/// The Qt cursor of one of the field's cursors.
QCursor QCursorOf(CursorShape shape);

/// The window's key-and-button state of a mouse event: left 0x1, right 0x2, Shift 0x4,
/// Ctrl 0x8, middle 0x10.
int KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

/// The client area of the main window: paints the field picture (and what the pointer carries
/// over it) at the viewport's zoom and routes mouse, wheel and key events into the field
/// engine. The engine's client coordinates are field pixels; the view converts between them and
/// its own (screen) pixels.
class FieldView : public QWidget {
public:
    FieldView(Field& field, GameState& game, QWidget* parent);
    ~FieldView() override;

    /// Called after a drag step made joins, with the reaction the game has taken in.
    std::function<void(JoinReaction)> onJoinReaction;
    /// Called after the mouse or the wheel put pieces down or turned them (a wheel step that
    /// may have turned a block counts).
    std::function<void()> onPiecesMoved;
    /// Space while no element is held: the full-screen menu.
    std::function<void()> onSpaceKey;
    /// Called when the field's busy mode begins or ends, for the other windows of the game.
    std::function<void(bool isBusy)> onBusyChanged;

    /// The pointer's last known position in the engine's client coordinates.
    Point pointer() const;
    /// Moves the pointer onto a point of the engine's client coordinates.
    void movePointer(Point client);
    /// The engine's client point of a pixel of the view.
    Point clientOf(Point viewPixel) const;
    /// Marks the view pixels that show any of `client` (the engine's client coordinates) for
    /// repainting.
    void updateClient(const Rect& client);
    /// Shows the cursor of the field's most important cursor mode now; call after every change
    /// of the modes. A hint cursor is taken down by itself once its time is over.
    void refreshCursor();
    /// The field cursor shown now.
    CursorShape shownCursor() const { return shownCursor_; }
    /// Inverts the colours of `region` (the engine's client coordinates) from now until it is
    /// inverted again.
    void invert(const QRegion& region);
    /// Lets go of the scaled copy of the field picture; the field's owner calls it before the
    /// field goes.
    void dropScaledCopy();

    /// Draws a push-button frame and a caption close-button frame at the top-left corner at
    /// once; the next repaint of that corner removes them.
    void showCaptionFramesOnce();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// A modal window opening over the main window takes the mouse: a held piece is put down.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void track(QPointF position);
    /// Puts the held element down where it is and tells onPiecesMoved.
    void releaseHeld();
    void piecesMoved();
    /// A drag step to the pointer with `keyState`, its joins taken in; returns whether the
    /// view scrolled.
    bool dragStep(int keyState);
    void edgeScrollTick();
    /// Draws what the pointer carries over the field picture, within `clip`.
    void paintCarriedImages(QPainter& painter, const QRegion& clip);
    void paintCaptionFrames(QPainter& painter);
    void paintScaled(QPainter& painter, const QRegion& clip);
    void paintFullSize(QPainter& painter, const QRegion& clip);
    /// The view pixels that show any of `region` (the engine's client coordinates).
    QRegion viewRegionOf(const QRegion& region) const;

    Field& field_;
    GameState& game_;
    Point pointer_;  // view pixels
    int edgeKeyState_ = 0;
    QTimer edgeScrollTimer_;  // paces edge scrolling while the pointer rests in a strip, also
                              // with a piece carried there
    int wheelRemainder_ = 0;  // eighths of a degree not yet making a notch
    QTimer hintCursorTimer_;  // takes the hint cursor down when its time is over
    CursorShape shownCursor_ = CursorShape::Arrow;
    bool isBusyShown_ = false;
    bool isCaptionFramesDue_ = false;  // the next paint draws the caption-button frames
    QRegion inverted_;  // the engine's client coordinates shown inverted: the capture rectangle
    // At a zoom other than 100 %: the field picture at that zoom, and what the view shows.
    std::unique_ptr<ScaledFieldCopy> scaledCopy_;
    Bitmap32 composed_;
};

}  // namespace tessary
