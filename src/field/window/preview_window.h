#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

class QCursor;

namespace tessary {

class PictureBuffer;

/// The picture preview: a borderless window over the main window that shows the whole upright
/// picture stretched to its inside. The player moves it by dragging its inside and resizes it
/// by its thin frame; a grip icon marks the bottom-right corner. It never takes the keyboard
/// focus, so the main window's keys keep working while it is open.
class PicturePreviewWindow : public QWidget {
public:
    /// Created hidden at a third of the screen in each direction, a third of the screen large.
    /// `owner` (the main window) keeps it above itself.
    PicturePreviewWindow(QWidget* owner, QSize screenSize);

    /// The picture shown, copied; an empty picture shows nothing.
    void setPicture(const PictureBuffer& picture);

    /// The show-picture command: hides the window when it is visible; otherwise sizes it to
    /// the picture (a third of `screenSize` at most) and shows it with its top-right corner on
    /// the top-right corner of `ownerClient` (the main window's client area, global
    /// coordinates). Size and place are computed afresh each time.
    void togglePreview(const QRect& ownerClient, QSize screenSize);

    /// After a cut: the height follows the current width in the proportion of the cut picture;
    /// place and width stay.
    void fitHeightToPicture(int pictureWidth, int pictureHeight);

    /// Shows `cursor` over the whole window (the main window's busy cursor while its worker
    /// runs); null returns to the window's own cursors.
    void setCursorOverride(const QCursor* cursor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /// The edges of the frame under a point of the window; none inside the frame.
    Qt::Edges frameEdgesAt(QPoint point) const;
    QRect clientRect() const;
    void placeSizeGrip();
    void updateFrameCursor(QPoint point);
    void endMoveOrResize();

    QImage picture_;
    QWidget* sizeGrip_ = nullptr;  // created when the window is first shown
    bool hasCursorOverride_ = false;

    bool dragging_ = false;  // the left button went down inside and has not come up
    // An interactive move or resize the window system could not take over, done by hand.
    Qt::Edges manualEdges_;
    bool isManualMove_ = false;
    QPoint pressGlobal_;
    QRect pressGeometry_;
};

}  // namespace tessary
