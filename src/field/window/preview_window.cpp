#include "field/window/preview_window.h"

#include <algorithm>

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWindow>

#include "dialogs/picture_image.h"
#include "field/preview_layout.h"
#include "field/window/game_assets.h"

namespace tessary {
namespace {

// The sizing frame around the picture, in pixels.
constexpr int kFrameWidth = 4;
// The side of the size grip, a square.
constexpr int kGripSide = 15;

// Draws the grip icon and nothing else; presses go through to the window beneath.
class SizeGrip : public QWidget {
public:
    explicit SizeGrip(QWidget* parent)
        : QWidget(parent), icon_(AssetPath(QStringLiteral("icons/size_grip.png"))) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName("sizeGrip");
        resize(kGripSide, kGripSide);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(rect(), icon_); }

private:
    QPixmap icon_;
};

Qt::CursorShape CursorForEdges(Qt::Edges edges) {
    const bool isHorizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool isVertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (isHorizontal && isVertical) {
        const bool isMainDiagonal =
            edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        return isMainDiagonal ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (isHorizontal)
        return Qt::SizeHorCursor;
    if (isVertical)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

}  // namespace

PicturePreviewWindow::PicturePreviewWindow(QWidget* owner, QSize screenSize)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName("previewWindow");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setMinimumSize(2 * kFrameWidth + 1, 2 * kFrameWidth + 1);
    setGeometry(screenSize.width() / 3, screenSize.height() / 3, screenSize.width() / 3,
                screenSize.height() / 3);
}

void PicturePreviewWindow::setPicture(const PictureBuffer& picture) {
    picture_ = ImageOfPicture(picture);
    update();
}

void PicturePreviewWindow::togglePreview(const QRect& ownerClient, QSize screenSize) {
    if (isVisible()) {
        hide();
        return;
    }
    const Point size = PreviewSizeFor(picture_.width(), picture_.height(), screenSize.width(),
                                      screenSize.height());
    setGeometry(ownerClient.x() + ownerClient.width() - size.x, ownerClient.y(), size.x, size.y);
    show();
}

void PicturePreviewWindow::fitHeightToPicture(int pictureWidth, int pictureHeight) {
    resize(width(), PreviewHeightAfterCut(width(), pictureWidth, pictureHeight));
}

void PicturePreviewWindow::setCursorOverride(const QCursor* cursor) {
    hasCursorOverride_ = cursor != nullptr;
    if (cursor != nullptr)
        setCursor(*cursor);
    else
        unsetCursor();
}

QRect PicturePreviewWindow::clientRect() const {
    return rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
}

void PicturePreviewWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect client = clientRect();
    // The frame: a raised edge in the system's colours.
    painter.fillRect(rect(), palette().button());
    painter.setPen(palette().light().color());
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().dark().color());
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    if (picture_.isNull()) {
        painter.fillRect(client, palette().window());
        return;
    }
    // Stretched to the inside in both directions: a window resized by hand distorts it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(client, picture_);
}

void PicturePreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSizeGrip();
    update();
}

void PicturePreviewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (sizeGrip_ == nullptr) {
        sizeGrip_ = new SizeGrip(this);
        placeSizeGrip();
        sizeGrip_->show();
    }
}

void PicturePreviewWindow::placeSizeGrip() {
    if (sizeGrip_ == nullptr)
        return;
    const QRect client = clientRect();
    sizeGrip_->move(client.right() + 1 - kGripSide, client.bottom() + 1 - kGripSide);
}

Qt::Edges PicturePreviewWindow::frameEdgesAt(QPoint point) const {
    Qt::Edges edges;
    if (point.x() < kFrameWidth)
        edges |= Qt::LeftEdge;
    if (point.x() >= width() - kFrameWidth)
        edges |= Qt::RightEdge;
    if (point.y() < kFrameWidth)
        edges |= Qt::TopEdge;
    if (point.y() >= height() - kFrameWidth)
        edges |= Qt::BottomEdge;
    return edges;
}

void PicturePreviewWindow::updateFrameCursor(QPoint point) {
    if (hasCursorOverride_)
        return;
    const Qt::CursorShape shape = CursorForEdges(frameEdgesAt(point));
    if (shape == Qt::ArrowCursor)
        unsetCursor();
    else
        setCursor(shape);
}

void PicturePreviewWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Qt::Edges edges = frameEdgesAt(event->position().toPoint());
    pressGlobal_ = event->globalPosition().toPoint();
    pressGeometry_ = geometry();
    if (edges) {
        // The frame resizes; the window system does it where it can.
        if (windowHandle() == nullptr || !windowHandle()->startSystemResize(edges))
            manualEdges_ = edges;
        return;
    }
    dragging_ = true;
}

void PicturePreviewWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    const QPoint delta = global - pressGlobal_;
    if (manualEdges_) {
        QRect r = pressGeometry_;
        const QSize least = minimumSize();
        if (manualEdges_ & Qt::LeftEdge)
            r.setLeft(std::min(r.left() + delta.x(), r.right() + 1 - least.width()));
        if (manualEdges_ & Qt::RightEdge)
            r.setRight(std::max(r.right() + delta.x(), r.left() + least.width() - 1));
        if (manualEdges_ & Qt::TopEdge)
            r.setTop(std::min(r.top() + delta.y(), r.bottom() + 1 - least.height()));
        if (manualEdges_ & Qt::BottomEdge)
            r.setBottom(std::max(r.bottom() + delta.y(), r.top() + least.height() - 1));
        setGeometry(r);
        return;
    }
    if (isManualMove_) {
        move(pressGeometry_.topLeft() + delta);
        return;
    }
    // Only the left button alone, no keys, drags the window by its inside.
    const bool isLeftAlone = event->buttons() == Qt::LeftButton &&
                             (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) == 0;
    if (dragging_ && isLeftAlone) {
        if (windowHandle() != nullptr && windowHandle()->startSystemMove())
            endMoveOrResize();  // the window system owns the move from here on
        else
            isManualMove_ = true;
        return;
    }
    updateFrameCursor(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void PicturePreviewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        endMoveOrResize();
    QWidget::mouseReleaseEvent(event);
}

void PicturePreviewWindow::endMoveOrResize() {
    dragging_ = false;
    isManualMove_ = false;
    manualEdges_ = {};
}

}  // namespace tessary
