#include "field/window/overview_window.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "field/scaled_carried.h"
#include "field/scaled_field_copy.h"
#include "field/scroll_to.h"
#include "field/window/game_assets.h"

namespace tessary {
namespace {

// The frame around the field, in pixels: the player moves the window by it.
constexpr int kFrameWidth = 4;

QRect QRectOf(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

}  // namespace

OverviewWindow::OverviewWindow(QWidget* owner, Field& field)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      field_(field) {
    setObjectName("overviewWindow");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    field_.pictureObservers.push_back(this);
}

OverviewWindow::~OverviewWindow() {
    copy_.reset();
    std::erase(field_.pictureObservers, static_cast<FieldPictureObserver*>(this));
}

void OverviewWindow::toggleOverview(const QRect& ownerClient) {
    if (isVisible()) {
        hide();
        return;
    }
    const QSize size = fittedSize();
    setGeometry(ownerClient.x(), ownerClient.y() + ownerClient.height() - size.height(),
                size.width(), size.height());
    show();
}

QSize OverviewWindow::fittedSize() const {
    const Viewport& v = field_.viewport;
    const Point inside =
        OverviewInsideSize({v.fieldWidth, v.fieldHeight}, {v.screenWidth, v.screenHeight});
    return QSize(inside.x + 2 * kFrameWidth, inside.y + 2 * kFrameWidth);
}

QRect OverviewWindow::insideRect() const {
    return rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
}

OverviewLayout OverviewWindow::layout() const {
    const QRect inside = insideRect();
    return LayOutOverview({inside.width(), inside.height()},
                          {field_.fieldPicture.width(), field_.fieldPicture.height()});
}

QRect OverviewWindow::windowRectOf(const Rect& fieldArea) const {
    return QRectOf(layout().overviewRectOf(fieldArea)).translated(kFrameWidth, kFrameWidth);
}

void OverviewWindow::viewRepaintAsked(std::optional<Rect> clientBox) {
    if (!isVisible())
        return;
    if (!clientBox) {
        update();
        return;
    }
    const Viewport& v = field_.viewport;
    update(windowRectOf(clientBox->translated(v.scrollX, v.scrollY)));
}

void OverviewWindow::fieldPictureChanged(const Rect& area) {
    if (isVisible())
        update(windowRectOf(area));
}

void OverviewWindow::fieldPictureReplaced() {
    if (!isVisible())
        return;
    // A new field size: the window takes its proportions, its top-left corner staying.
    resize(fittedSize());
    update();
}

void OverviewWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const OverviewLayout layout = this->layout();
    if (copy_ == nullptr || !(copy_->scale() == layout.scale))
        copy_ = std::make_unique<ScaledFieldCopy>(field_, layout.scale);
    qDrawShadePanel(&painter, rect(), palette(), false, 1, &palette().button());
    const QRect inside = insideRect();
    const QRegion due = event->region() & inside;
    const QRect fieldArea = QRectOf(layout.fieldArea).translated(inside.topLeft());
    // Beside the field, as beyond it in the view.
    painter.setClipRegion(due - fieldArea);
    painter.fillRect(inside, Qt::black);
    painter.setClipRegion(due);
    paintField(painter, due & fieldArea, layout);
    paintVisibleFrame(painter, layout);
}

void OverviewWindow::paintField(QPainter& painter, const QRegion& due,
                                const OverviewLayout& layout) {
    // Scaled pixel (0, 0) lies here in the window.
    const QPoint origin =
        insideRect().topLeft() + QPoint(layout.fieldArea.left, layout.fieldArea.top);
    const QImage scaled = ImageOver(copy_->bitmap());
    for (const QRect& r : due) {
        const QRect source = r.translated(-origin);
        copy_->refresh({source.left(), source.top(), source.right() + 1, source.bottom() + 1});
        painter.drawImage(r.topLeft(), scaled, source);
    }
    // The carried element is not in the field picture: it is drawn on top, as in the view.
    const ScaledPatch held = ScaleDownCarried(
        field_, layout.scale, {0, 0, copy_->bitmap().width(), copy_->bitmap().height()});
    if (!held.area.isEmpty())
        painter.drawImage(origin + QPoint(held.area.left, held.area.top), ImageOver(held.pixels));
}

void OverviewWindow::paintVisibleFrame(QPainter& painter, const OverviewLayout& layout) {
    const QRect visible = QRectOf(layout.overviewRectOf(VisibleFieldPart(field_.viewport)))
                              .translated(insideRect().topLeft());
    if (visible.isEmpty())
        return;
    // White outside, black inside: one of them stands out on any field.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::white);
    painter.drawRect(visible.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawRect(visible.adjusted(1, 1, -2, -2));
}

void OverviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void OverviewWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Hidden, the overview follows nothing: it is made afresh when it shows again.
    copy_.reset();
}

void OverviewWindow::centreViewAt(QPoint point) {
    const QPoint inInside = point - insideRect().topLeft();
    ScrollToCentre(field_, layout().fieldPointAt({inInside.x(), inInside.y()}));
}

void OverviewWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (insideRect().contains(at)) {
        isMovingView_ = true;
        centreViewAt(at);
        return;
    }
    // The frame moves the window; the window system does it where it can.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    isMovingWindow_ = true;
    pressGlobal_ = event->globalPosition().toPoint();
    pressPosition_ = pos();
}

void OverviewWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (isMovingView_) {
        centreViewAt(at);
        return;
    }
    if (isMovingWindow_) {
        move(pressPosition_ + event->globalPosition().toPoint() - pressGlobal_);
        return;
    }
    if (insideRect().contains(at))
        unsetCursor();
    else
        setCursor(Qt::SizeAllCursor);
    QWidget::mouseMoveEvent(event);
}

void OverviewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        isMovingView_ = false;
        isMovingWindow_ = false;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace tessary
