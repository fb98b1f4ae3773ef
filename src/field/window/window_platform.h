#pragma once

#include <functional>
#include <optional>

#include "core/geometry.h"
#include "field/platform.h"

class QMainWindow;

namespace tessary {

class FieldView;
class ProgressWindow;
class SoundPlayer;

/// What the field engine asks of the window system, answered by the main window's Qt
/// widgets: repaints of the field view, the pointer, sounds, the progress window and the
/// worker's hand-over to the main thread.
class WindowPlatform : public Platform {
public:
    WindowPlatform(QMainWindow& frame, FieldView& view, SoundPlayer& sounds,
                   ProgressWindow& progress)
        : frame_(frame), view_(view), sounds_(sounds), progress_(progress) {}

    void invalidate(const Region& clientRegion) override;
    void invalidateAll() override;
    void repaintNow() override;
    void invert(const Region& clientRegion) override;
    void captureMouse(bool capture) override;
    Point pointerPosition() const override;
    void movePointer(Point client) override;
    void playSound(Sound sound) override;
    ProgressSink& progress(const char* caption) override;
    /// Blocks the calling worker thread until `task` has run in the main thread's event loop;
    /// on the main thread itself the task runs at once.
    void runOnMainThread(const std::function<void()>& task) override;
    Point fullScreenClientSize() const override;

    /// Told of every repaint the engine asks of the view, in the engine's client coordinates:
    /// the region's bounding box, or nothing for the whole client area. For the windows that
    /// show the field beside the view.
    std::function<void(std::optional<Rect> clientBox)> onRepaintAsked;

private:
    QMainWindow& frame_;
    FieldView& view_;
    SoundPlayer& sounds_;
    ProgressWindow& progress_;
};

}  // namespace tessary
