#include "field/window/field_view.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWheelEvent>

#include <chrono>
#include <cstdlib>

#include "field/carried_images.h"
#include "field/compose_client_area.h"
#include "field/dragging.h"
#include "field/edge_scroll.h"
#include "field/field.h"
#include "field/hint.h"
#include "field/key_state.h"
#include "field/keyboard_and_wheel.h"
#include "field/rotation.h"
#include "field/scaled_field_copy.h"
#include "field/viewport.h"
#include "field/window/game_assets.h"
#include "game/apply_join_reaction.h"
#include "game/game_state.h"

namespace tessary {
namespace {

constexpr int kWheelNotch = 120;

QRect QRectOf(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

QRegion QRegionOf(const Region& region) {
    QList<QRect> rects;
    rects.reserve(static_cast<qsizetype>(region.spanCount()));
    region.forEachSpan(
        [&](int y, const Span& s) { rects.append(QRect(s.left, y, s.right - s.left, 1)); });
    QRegion result;
    result.setRects(rects.constData(), static_cast<int>(rects.size()));
    return result;
}

QCursor QCursorOf(CursorShape shape) {
    switch (shape) {
        case CursorShape::Arrow:
            break;
        case CursorShape::Busy:
            return AssetCursor(QStringLiteral("cursors/busy.png"), 16, 16);
        case CursorShape::Hidden:
            return QCursor(Qt::BlankCursor);
        case CursorShape::Capture:
            return AssetCursor(QStringLiteral("cursors/capture.png"), 15, 15);
        case CursorShape::Hint:
            return AssetCursor(QStringLiteral("cursors/hint.png"), 11, 2);
        case CursorShape::NoHint:
            return AssetCursor(QStringLiteral("cursors/no_hint.png"), 11, 2);
    }
    return QCursor(Qt::ArrowCursor);
}

int KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (buttons & Qt::LeftButton)
        state |= kLeftButton;
    if (buttons & Qt::RightButton)
        state |= kRightButton;
    if (buttons & Qt::MiddleButton)
        state |= kMiddleButton;
    if (modifiers & Qt::ShiftModifier)
        state |= kShiftKey;
    if (modifiers & Qt::ControlModifier)
        state |= kControlKey;
    return state;
}

FieldView::FieldView(Field& field, GameState& game, QWidget* parent)
    : QWidget(parent), field_(field), game_(game) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the field picture covers every pixel
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = screen != nullptr && screen->refreshRate() > 1 ? screen->refreshRate() : 60;
    edgeScrollTimer_.setInterval(static_cast<int>(1000 / rate));
    connect(&edgeScrollTimer_, &QTimer::timeout, this, [this] { edgeScrollTick(); });
    hintCursorTimer_.setSingleShot(true);
    connect(&hintCursorTimer_, &QTimer::timeout, this, [this] { refreshCursor(); });
    if (parent != nullptr)
        parent->window()->installEventFilter(this);
}

FieldView::~FieldView() = default;

Point FieldView::pointer() const {
    return clientOf(pointer_);
}

Point FieldView::clientOf(Point viewPixel) const {
    return field_.viewport.clientOfScreen(viewPixel);
}

void FieldView::movePointer(Point client) {
    pointer_ = field_.viewport.screenOfClient(client);
    QCursor::setPos(mapToGlobal(QPoint(pointer_.x, pointer_.y)));
}

void FieldView::updateClient(const Rect& client) {
    const Rect box = field_.viewport.screenCover(client);
    if (!box.isEmpty())
        update(QRectOf(box));
}

void FieldView::refreshCursor() {
    const std::int64_t now = SteadyMilliseconds();
    const CursorModes& modes = field_.cursor;
    const std::int64_t hintLeft = modes.hintTimeLeft(now);
    if (hintLeft > 0)
        hintCursorTimer_.start(static_cast<int>(hintLeft));
    if (modes.isBusy() != isBusyShown_) {
        isBusyShown_ = modes.isBusy();
        if (onBusyChanged)
            onBusyChanged(isBusyShown_);
    }
    const CursorShape shape = modes.shapeAt(now);
    if (shape == shownCursor_)
        return;
    shownCursor_ = shape;
    if (shape == CursorShape::Arrow)
        unsetCursor();
    else
        setCursor(QCursorOf(shape));
}

bool FieldView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowBlocked)
        releaseHeld();
    return QWidget::eventFilter(watched, event);
}

void FieldView::releaseHeld() {
    if (field_.heldElement < 0)
        return;
    ReleaseElement(field_);
    piecesMoved();
}

void FieldView::piecesMoved() {
    if (onPiecesMoved)
        onPiecesMoved();
}

void FieldView::invert(const QRegion& region) {
    inverted_ ^= region;
    update(viewRegionOf(region));
}

void FieldView::dropScaledCopy() {
    scaledCopy_.reset();
}

QRegion FieldView::viewRegionOf(const QRegion& region) const {
    const Viewport& v = field_.viewport;
    if (v.zoom.isIdentity())
        return region;
    QRegion shown;
    for (const QRect& r : region)
        shown += QRectOf(v.screenCover({r.left(), r.top(), r.right() + 1, r.bottom() + 1}));
    return shown;
}

void FieldView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const Viewport& v = field_.viewport;
    const QRegion clip = event->region();
    const Point origin = v.scaledOrigin();
    const Point fieldSize =
        v.zoom.scaledSize({field_.fieldPicture.width(), field_.fieldPicture.height()});
    const QRect fieldInClient(-origin.x, -origin.y, fieldSize.x, fieldSize.y);
    const QRegion beyond = clip - fieldInClient;
    if (!beyond.isEmpty()) {
        painter.setClipRegion(beyond);
        painter.fillRect(rect(), Qt::black);
    }
    if (!v.zoom.isIdentity()) {
        paintScaled(painter, clip & fieldInClient);
    } else {
        scaledCopy_.reset();  // no scaled copy to keep in step at 100 %
        paintFullSize(painter, clip);
    }
    if (!inverted_.isEmpty()) {
        const QRegion inverted = viewRegionOf(inverted_) & event->region();
        painter.setClipRegion(inverted);
        // A bitwise inversion: the field's pixels carry no alpha, so blending modes don't fit.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(inverted.boundingRect(), Qt::black);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (isCaptionFramesDue_)
        paintCaptionFrames(painter);
}

void FieldView::paintScaled(QPainter& painter, const QRegion& clip) {
    const ZoomScale zoom = field_.viewport.zoom;
    if (scaledCopy_ == nullptr || !(scaledCopy_->scale() == zoom)) {
        scaledCopy_.reset();
        scaledCopy_ = std::make_unique<ScaledFieldCopy>(field_, zoom);
    }
    for (const QRect& r : clip) {
        ComposeClientArea(field_, composed_, {r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                          scaledCopy_.get());
    }
    painter.setClipRegion(clip);
    const QImage image = ImageOver(composed_);
    for (const QRect& r : clip)
        painter.drawImage(r.topLeft(), image, r);
}

void FieldView::paintFullSize(QPainter& painter, const QRegion& clip) {
    const Viewport& v = field_.viewport;
    painter.setClipRegion(clip);
    const QImage picture = ImageOver(field_.fieldPicture);
    for (const QRect& r : clip)
        painter.drawImage(r.topLeft(), picture, r.translated(v.scrollX, v.scrollY));
    paintCarriedImages(painter, clip);
}

void FieldView::paintCarriedImages(QPainter& painter, const QRegion& clip) {
    const QRect bounds = clip.boundingRect();
    for (const CarriedImage& c : CarriedImages(field_)) {
        const Rect box = c.clip.boundingBox();
        if (!bounds.intersects(QRect(box.left, box.top, box.width(), box.height())))
            continue;
        // Qt clips the painting to the paint event's region by itself.
        painter.setClipRegion(QRegionOf(c.clip));
        painter.drawImage(QPoint(c.origin.x, c.origin.y), ImageOver(*c.image));
    }
}

void FieldView::showCaptionFramesOnce() {
    isCaptionFramesDue_ = true;
    repaint();
}

void FieldView::paintCaptionFrames(QPainter& painter) {
    isCaptionFramesDue_ = false;
    painter.setClipping(false);
    const int side = style()->pixelMetric(QStyle::PM_TitleBarButtonSize);
    QStyleOptionButton button;
    button.initFrom(this);
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    button.rect = QRect(0, 0, side, side);
    style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
    button.rect = QRect(side + 1, 0, side, side);
    button.icon = style()->standardIcon(QStyle::SP_TitleBarCloseButton);
    button.iconSize = QSize(side - 4, side - 4);
    style()->drawControl(QStyle::CE_PushButton, &button, &painter, this);
}

void FieldView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ChangeClientSize(field_, width(), height());
    if (field_.heldElement >= 0)
        RefreshDragRegion(field_);
}

void FieldView::track(QPointF position) {
    pointer_ = {static_cast<int>(position.x()), static_cast<int>(position.y())};
}

void FieldView::mousePressEvent(QMouseEvent* event) {
    track(event->position());
    edgeScrollTimer_.stop();
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
        PickElement(field_, KeyStateOf(event->buttons(), event->modifiers()));
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
    track(event->position());
    const int keyState = KeyStateOf(event->buttons(), event->modifiers());
    const bool hasScrolled = dragStep(keyState);
    const bool isCarrying =
        field_.heldElement >= 0 && (keyState == kDragChord || IsDetachChord(keyState));
    if (hasScrolled && (keyState == 0 || isCarrying)) {
        edgeKeyState_ = keyState;
        edgeScrollTimer_.start();
    } else if (!hasScrolled) {
        edgeScrollTimer_.stop();
    }
}

bool FieldView::dragStep(int keyState) {
    const Point scroll{field_.viewport.scrollX, field_.viewport.scrollY};
    const JoinReaction reaction =
        ApplyJoinReaction(game_, DragStep(field_, keyState, pointer(), game_.gameComplete));
    if (reaction != JoinReaction::Nothing && onJoinReaction)
        onJoinReaction(reaction);
    return scroll != Point{field_.viewport.scrollX, field_.viewport.scrollY};
}

void FieldView::edgeScrollTick() {
    // The pointer has rested since the last step, or left the window without a move reaching
    // the field: each step reads it afresh, so the chain ends once it lies outside every strip.
    // A carried piece goes on with drag steps until it is put down or snaps.
    track(mapFromGlobal(QCursor::pos()));
    const bool hasScrolled = edgeKeyState_ == 0
                                 ? QGuiApplication::mouseButtons() == Qt::NoButton &&
                                       EdgeScrollStep(field_, edgeKeyState_, pointer())
                                 : field_.heldElement >= 0 && dragStep(edgeKeyState_);
    if (!hasScrolled)
        edgeScrollTimer_.stop();
}

void FieldView::mouseReleaseEvent(QMouseEvent* event) {
    track(event->position());
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
        releaseHeld();
}

void FieldView::mouseDoubleClickEvent(QMouseEvent* event) {
    track(event->position());
    if (field_.settings.rotateElements == 0)
        return;
    const int keyState = KeyStateOf(event->buttons(), event->modifiers());
    bool hasTurned = false;
    if (event->button() == Qt::RightButton) {
        if (keyState == kRightButton)
            hasTurned = RotateBlock(field_, +1);
        else
            hasTurned = RotateSingle(field_, +1);
    } else if (event->button() == Qt::LeftButton) {
        if (keyState == kLeftButton)
            hasTurned = RotateBlock(field_, -1);
        else
            hasTurned = RotateSingle(field_, -1);
    }
    if (hasTurned)
        piecesMoved();
}

void FieldView::wheelEvent(QWheelEvent* event) {
    track(event->position());
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    // An event of a notch or more is one step, whatever its size. A high-resolution wheel or a
    // touchpad sends smaller deltas, gathered until they make a notch.
    int stepDelta = 0;
    if (std::abs(delta) >= kWheelNotch) {
        wheelRemainder_ = 0;
        stepDelta = delta;
    } else {
        wheelRemainder_ += delta;
        if (std::abs(wheelRemainder_) >= kWheelNotch) {
            stepDelta = wheelRemainder_;
            wheelRemainder_ -= wheelRemainder_ > 0 ? kWheelNotch : -kWheelNotch;
        }
    }
    if (stepDelta != 0 &&
        HandleWheel(field_, KeyStateOf(event->buttons(), event->modifiers()), stepDelta) &&
        field_.settings.wheelRotateElements != 0)
        piecesMoved();
    event->accept();
}

void FieldView::keyPressEvent(QKeyEvent* event) {
    edgeScrollTimer_.stop();  // key input pauses edge scrolling until the pointer moves again
    switch (event->key()) {
        case Qt::Key_Left:
            ScrollWithArrowKey(field_, ArrowKey::Left);
            return;
        case Qt::Key_Right:
            ScrollWithArrowKey(field_, ArrowKey::Right);
            return;
        case Qt::Key_Up:
            ScrollWithArrowKey(field_, ArrowKey::Up);
            return;
        case Qt::Key_Down:
            ScrollWithArrowKey(field_, ArrowKey::Down);
            return;
        case Qt::Key_Space:
            if (field_.heldElement < 0 && onSpaceKey)
                onSpaceKey();
            return;
        case Qt::Key_H:
            if (game_.elementsCreated && field_.heldElement < 0)
                ShowHint(field_, SteadyMilliseconds());
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace tessary
