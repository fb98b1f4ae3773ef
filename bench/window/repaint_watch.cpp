#include "repaint_watch.h"

#include <X11/Xutil.h>

#include <poll.h>

#include <stdexcept>

namespace tessary::bench {
namespace {

using std::chrono::milliseconds;

// Rectangles that arrive this close together belong to one repaint.
constexpr auto kBurstGap = milliseconds(3);

// Windows come and go while we look at them (tooltips, menus, the program's end): requests on
// a window that is gone fail harmlessly.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

RepaintWatch::RepaintWatch(Display* display) : display_(display) {
    int errorBase = 0;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase))
        throw std::runtime_error("the X server has no Damage extension");
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

void RepaintWatch::pump(Clock::duration duration) {
    const Clock::time_point deadline = Clock::now() + duration;
    for (;;) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            handle(event);
        }
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return;
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        ::poll(&connection, 1, static_cast<int>(left));
    }
}

void RepaintWatch::handle(const XEvent& event) {
    if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(display_)) {
        const Window window = event.xcreatewindow.window;
        // The damage object goes with the window when it is destroyed.
        XDamageCreate(display_, window, XDamageReportRawRectangles);
        damage_[window];
        return;
    }
    if (event.type == damageEventBase_ + XDamageNotify) {
        const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
        const auto found = damage_.find(notify.drawable);
        if (found == damage_.end())
            return;
        // The event's own timestamp is the server's time of its last input, not of the drawing:
        // the time of arrival stands in, read promptly while a step is timed.
        found->second.push_back({Clock::now(), std::int64_t{notify.area.width} * notify.area.height,
                                 std::int64_t{notify.geometry.width} * notify.geometry.height});
    }
}

std::vector<Repaint> RepaintWatch::repaints(Window window) const {
    std::vector<Repaint> result;
    const auto found = damage_.find(window);
    if (found == damage_.end())
        return result;
    std::int64_t area = 0;
    for (std::size_t i = 0; i < found->second.size(); ++i) {
        const Damaged& d = found->second[i];
        area += d.area;
        const bool isLast =
            i + 1 == found->second.size() || found->second[i + 1].at - d.at > kBurstGap;
        if (!isLast)
            continue;
        result.push_back({d.at, d.windowArea > 0 ? static_cast<double>(area) / d.windowArea : 0.0});
        area = 0;
    }
    return result;
}

Window RepaintWatch::waitForWindow(const std::string& wanted, Clock::duration timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    do {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        Window found = None;
        if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) !=
            0) {
            // Bottom to top: the last match is the topmost.
            for (unsigned int i = 0; i < count; ++i) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display_, children[i], &attributes) != 0 &&
                    attributes.map_state == IsViewable && title(children[i]) == wanted)
                    found = children[i];
            }
            XFree(children);
        }
        if (found != None)
            return found;
        pump(milliseconds(20));
    } while (Clock::now() < deadline);
    return None;
}

std::string RepaintWatch::title(Window window) const {
    const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long length = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display_, window, netName, 0, 1024, False, utf8, &type, &format, &length,
                           &after, &data) == Success &&
        data != nullptr) {
        text.assign(reinterpret_cast<const char*>(data), length);
        XFree(data);
    }
    return text;
}

}  // namespace tessary::bench
