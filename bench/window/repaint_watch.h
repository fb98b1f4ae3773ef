#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tessary::bench {

using Clock = std::chrono::steady_clock;

/// One repaint of a window: the damage the X server reported for it in one burst (rectangles
/// arriving no more than a few milliseconds apart, as one flush of the window's back buffer
/// gives).
struct Repaint {
    Clock::time_point at;  // arrival of the burst's last rectangle
    double share = 0.0;    // the rectangles' total area over the window's area
};

/// Repaints of top-level windows, observed through the X Damage extension. Every top-level
/// window created after the watch began is tracked from its creation, before it can draw, so
/// the first paint of a window found later by its title is not missed.
class RepaintWatch {
public:
    /// Throws std::runtime_error when the server lacks the Damage extension.
    explicit RepaintWatch(Display* display);

    /// Handles the server's events for `duration`.
    void pump(Clock::duration duration);
    /// The viewable top-level window titled `title` (the topmost when several are), handling
    /// events while it waits up to `timeout`; None when none appeared.
    Window waitForWindow(const std::string& title, Clock::duration timeout);
    /// The repaints of `window` so far, oldest first.
    std::vector<Repaint> repaints(Window window) const;

private:
    struct Damaged {
        Clock::time_point at;  // when the event arrived
        std::int64_t area = 0;
        std::int64_t windowArea = 0;
    };

    void handle(const XEvent& event);
    std::string title(Window window) const;

    Display* display_;
    int damageEventBase_ = 0;
    std::map<Window, std::vector<Damaged>> damage_;
};

}  // namespace tessary::bench
