#pragma once

#include <X11/Xlib.h>

#include <string>

namespace tessary::bench {

/// The player's keyboard, through the XTest extension. There is no window manager under Xvfb:
/// the window that is to receive keys is given the focus explicitly.
class XKeyboard {
public:
    /// Throws std::runtime_error when the server lacks the XTest extension.
    explicit XKeyboard(Display* display);

    /// Gives `window` the keyboard focus.
    void focus(Window window);
    /// Presses and releases a key with its modifiers, given as "ctrl+n", "Return", "F3".
    /// Returns once the server has taken the press and the release.
    void key(const std::string& combination);
    /// Types `text`, plain ASCII, into the focused control.
    void type(const std::string& text);

private:
    void press(KeySym symbol, bool withShift);

    Display* display_;
};

}  // namespace tessary::bench
