#include "field/window/window_platform.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QThread>

#include "core/region.h"
#include "field/window/field_view.h"
#include "field/window/progress_window.h"
#include "field/window/sound_player.h"

namespace tessary {

void WindowPlatform::invalidate(const Region& clientRegion) {
    // The bounding box is cheap to build and repaints little more than the region.
    const Rect box = clientRegion.boundingBox();
    if (box.isEmpty())
        return;
    if (onRepaintAsked)
        onRepaintAsked(box);
    view_.updateClient(box);
}

void WindowPlatform::invalidateAll() {
    if (onRepaintAsked)
        onRepaintAsked(std::nullopt);
    view_.update();
}

void WindowPlatform::repaintNow() {
    view_.repaint();
}

void WindowPlatform::invert(const Region& clientRegion) {
    view_.invert(QRegionOf(clientRegion));
}

void WindowPlatform::captureMouse(bool capture) {
    if (capture)
        view_.grabMouse();
    else
        view_.releaseMouse();
}

Point WindowPlatform::pointerPosition() const {
    return view_.pointer();
}

void WindowPlatform::movePointer(Point client) {
    view_.movePointer(client);
}

void WindowPlatform::playSound(Sound sound) {
    sounds_.play(sound);
}

ProgressSink& WindowPlatform::progress(const char* caption) {
    progress_.setCaption(QString::fromUtf8(caption));
    return progress_;
}

void WindowPlatform::runOnMainThread(const std::function<void()>& task) {
    if (QThread::currentThread() == view_.thread()) {
        task();
        return;
    }
    QMetaObject::invokeMethod(
        &view_, [&task] { task(); }, Qt::BlockingQueuedConnection);
}

Point WindowPlatform::fullScreenClientSize() const {
    const QScreen* screen = frame_.screen();
    const QSize available = screen != nullptr ? screen->availableGeometry().size() : QSize();
    const QSize frameExtra = frame_.frameGeometry().size() - frame_.geometry().size();
    const int menuHeight = frame_.menuBar()->sizeHint().height();
    return {available.width() - frameExtra.width(),
            available.height() - frameExtra.height() - menuHeight};
}

}  // namespace tessary
