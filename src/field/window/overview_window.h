#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>

#include "core/geometry.h"
#include "field/field.h"
#include "field/overview_layout.h"

namespace tessary {

class ScaledFieldCopy;

/// The overview: a borderless window over the main window that shows the whole field scaled
/// down, with the part the view shows framed. A press or drag with the left button inside
/// moves the view there; the thin frame around it moves the window. It never takes the
/// keyboard focus, so the main window's keys keep working while it is open. It follows the
/// field as it changes: the field tells it which parts of its picture changed, and the main
/// window passes on every repaint the engine asks of the view (viewRepaintAsked).
class OverviewWindow final : public QWidget, private FieldPictureObserver {
public:
    /// Created hidden; `owner` (the main window) keeps it above itself.
    OverviewWindow(QWidget* owner, Field& field);
    ~OverviewWindow() override;

    /// The overview command: hides the window when it is visible; otherwise sizes it to the
    /// field (a fifth of the screen at most, in the field's proportions) and shows it with its
    /// bottom-left corner on the bottom-left corner of `ownerClient` (the main window's client
    /// area, global coordinates).
    void toggleOverview(const QRect& ownerClient);

    /// The engine asked the view to repaint `clientBox` (its client coordinates), or all of
    /// it: the same part of the overview is repainted, everything for a scroll.
    void viewRepaintAsked(std::optional<Rect> clientBox);

    /// The window's inside, within its frame: it shows the field as layout() lays it out.
    QRect insideRect() const;
    OverviewLayout layout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fieldPictureChanged(const Rect& area) override;
    void fieldPictureReplaced() override;

    /// The window's size for the field's size now.
    QSize fittedSize() const;
    /// The window pixels that show field area `fieldArea`.
    QRect windowRectOf(const Rect& fieldArea) const;
    /// Moves the view so that it is centred on what the window shows at `point`.
    void centreViewAt(QPoint point);
    void paintField(QPainter& painter, const QRegion& due, const OverviewLayout& layout);
    void paintVisibleFrame(QPainter& painter, const OverviewLayout& layout);

    Field& field_;
    // The field scaled to the inside; made when first painted, dropped while hidden.
    std::unique_ptr<ScaledFieldCopy> copy_;

    bool isMovingView_ = false;    // the left button went down inside and has not come up
    bool isMovingWindow_ = false;  // ... on the frame, and the window moves by hand
    QPoint pressGlobal_;
    QPoint pressPosition_;  // the window's position at the press
};

}  // namespace tessary
