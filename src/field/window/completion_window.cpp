#include "field/window/completion_window.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "field/window/game_assets.h"

namespace tessary {

CompletionWindow::CompletionWindow(QWidget* parent, int minimumMilliseconds)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      picture_(AssetPath(QStringLiteral("completion.png"))),
      minimumMilliseconds_(minimumMilliseconds),
      captureWatch_(new QTimer(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    // Not shown on the borderless window; names it to task lists and accessibility tools.
    setWindowTitle(QString::fromUtf8("Поздравляем!"));
    setFixedSize(picture_.isNull() ? QSize(160, 160) : picture_.size());
    // Shaped by the picture's opaque pixels, so the window is round also where no compositor
    // blends translucent windows.
    if (picture_.hasAlphaChannel())
        setMask(QBitmap::fromImage(picture_.createAlphaMask()));
    shown_.start();
    captureWatch_->setInterval(50);
    QObject::connect(captureWatch_, &QTimer::timeout, this, [this] {
        if (QWidget::mouseGrabber() != this)
            requestClose();
    });
    setFocusPolicy(Qt::StrongFocus);
    if (parent != nullptr)
        move(parent->geometry().center() - rect().center());
}

void CompletionWindow::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, picture_);
    holdCapture();  // the first paint: the window is on the screen
}

void CompletionWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    shown_.start();
}

void CompletionWindow::hideEvent(QHideEvent* event) {
    captureWatch_->stop();
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    QDialog::hideEvent(event);
}

void CompletionWindow::holdCapture() {
    if (captureWatch_->isActive() || !isVisible())
        return;
    grabMouse();
    captureWatch_->start();
}

void CompletionWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        requestClose();
}

void CompletionWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Control)
        requestClose();
}

void CompletionWindow::focusOutEvent(QFocusEvent* event) {
    QDialog::focusOutEvent(event);
    if (isVisible())
        requestClose();
}

void CompletionWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        requestClose();
}

void CompletionWindow::requestClose() {
    const qint64 left = minimumMilliseconds_ - shown_.elapsed();
    if (left <= 0) {
        accept();
        return;
    }
    if (isClosePending_)
        return;
    isClosePending_ = true;
    QTimer::singleShot(static_cast<int>(left), this, [this] { accept(); });
}

}  // namespace tessary
