#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>

namespace tessary::bench {

/// The X server the measured program draws on: the one named by `--display` or DISPLAY, or an
/// Xvfb of our own (1920 x 1080, 24 bits) when neither names one. The connection lives as long
/// as this object; our own Xvfb ends with it.
class XServer {
public:
    /// `name` as ":N", or empty for DISPLAY. Throws std::runtime_error when no server answers.
    explicit XServer(const std::string& name);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    /// The display name to hand to the program.
    const std::string& name() const { return name_; }
    Display* display() const { return display_; }

private:
    void startXvfb();

    std::string name_;
    pid_t xvfb_ = 0;
    Display* display_ = nullptr;
};

}  // namespace tessary::bench
