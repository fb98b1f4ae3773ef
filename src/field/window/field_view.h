#pragma once

#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "core/completion.h"
#include "core/geometry.h"
#include "field/hint.h"
#include "field/platform.h"

class QPainter;

namespace tessary {

class Region;
struct Field;
struct GameState;

/// A region of ours as a Qt region (one rectangle per span).
QRegion QRegionOf(const Region& region);

/// The window's key-and-button state of a mouse event: left 0x1, right 0x2, Shift 0x4,
/// Ctrl 0x8, middle 0x10.
int KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

/// The client area of the main window: paints the field picture (and the held element through
/// its drag region) and routes mouse, wheel and key events into the field engine.
class FieldView : public QWidget {
public:
    FieldView(Field& field, GameState& game, QWidget* parent);

    /// Called after a drag step made joins, with the reaction the game has taken in.
    std::function<void(JoinReaction)> onJoinReaction;
    /// Space while no element is held: the full-screen menu.
    std::function<void()> onSpaceKey;

    /// The pointer's last known position in client coordinates.
    Point pointer() const { return pointer_; }
    /// Moves the pointer (client coordinates).
    void movePointer(Point client);
    /// Shows one of the engine's cursors. While a capture rectangle is being chosen the arrow
    /// gives way to the capture cursor.
    void showCursor(CursorShape shape);
    /// Inverts the colours of `region` (client coordinates) from now until it is inverted again.
    void invert(const QRegion& region);

    HintState& hintState() { return hint_; }

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

private:
    void track(QPointF position);
    void edgeScrollTick();
    void endHintCursor();
    void paintCaptionFrames(QPainter& painter);

    Field& field_;
    GameState& game_;
    Point pointer_;
    int edgeKeyState_ = 0;
    QTimer edgeScrollTimer_;  // paces edge scrolling while the pointer rests in a strip
    int wheelRemainder_ = 0;  // eighths of a degree not yet making a notch
    HintState hint_;
    bool isCaptionFramesDue_ = false;  // the next paint draws the caption-button frames
    QRegion inverted_;                 // drawn with inverted colours: the capture rectangle
};

}  // namespace tessary
