#pragma once

#include <functional>

#include "core/geometry.h"

namespace tessary {

class Region;
class ProgressSink;

/// Sounds the field and the game ask for.
enum class Sound { Join, Rotation, Capture, Completion };

/// What the engine needs from the window system. The main window implements it; tests record
/// the calls. Every call is made on the main thread, except runOnMainThread. The cursor is not
/// set through here: the engine states its modes in the field's CursorModes.
class Platform {
public:
    virtual ~Platform() = default;

    /// Marks a part of the client area (client coordinates) for repainting without erasing.
    virtual void invalidate(const Region& clientRegion) = 0;
    /// Marks the whole client area for repainting without erasing.
    virtual void invalidateAll() = 0;
    /// Repaints what is marked before returning.
    virtual void repaintNow() = 0;
    /// Inverts the colours of a part of the client area (client coordinates) until the same
    /// pixels are inverted again; repaints in between keep the inversion. A platform that
    /// shows nothing may ignore it.
    virtual void invert(const Region& /*clientRegion*/) {}

    /// Captures (or releases) the mouse, so a held piece follows it outside the window.
    virtual void captureMouse(bool capture) = 0;
    /// The pointer position in client coordinates.
    virtual Point pointerPosition() const = 0;
    /// Moves the pointer to a point given in client coordinates.
    virtual void movePointer(Point client) = 0;

    /// Starts playing a sound and returns at once.
    virtual void playSound(Sound sound) = 0;

    /// Progress of a long task; the window shows its progress window once the task has run
    /// for 200 ms and keeps itself responsive and disabled meanwhile.
    virtual ProgressSink& progress(const char* caption) = 0;

    /// Called from a worker thread: runs `task` on the main thread and returns when it has
    /// finished. The main thread must not wait for the worker while such a hand-over is due.
    virtual void runOnMainThread(const std::function<void()>& task) = 0;

    /// Client size of a maximised window on the current screen: the window frame takes the
    /// rest of the screen.
    virtual Point fullScreenClientSize() const = 0;
};

}  // namespace tessary
