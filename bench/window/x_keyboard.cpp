#include "x_keyboard.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tessary::bench {
namespace {

// A pause between two keys, as a fast typist leaves; the program sees every press apart.
constexpr std::chrono::milliseconds kKeyGap(8);

std::vector<std::string> SplitOnPlus(const std::string& combination) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : combination) {
        if (c == '+' && !part.empty()) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

KeySym ModifierSymbol(const std::string& name) {
    if (name == "ctrl")
        return XK_Control_L;
    if (name == "shift")
        return XK_Shift_L;
    if (name == "alt")
        return XK_Alt_L;
    throw std::runtime_error("unknown modifier " + name);
}

}  // namespace

XKeyboard::XKeyboard(Display* display) : display_(display) {
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest extension");
}

void XKeyboard::focus(Window window) {
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
}

void XKeyboard::key(const std::string& combination) {
    const std::vector<std::string> parts = SplitOnPlus(combination);
    const KeySym symbol = XStringToKeysym(parts.back().c_str());
    if (symbol == NoSymbol)
        throw std::runtime_error("unknown key " + parts.back());
    std::vector<KeyCode> modifiers;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        modifiers.push_back(XKeysymToKeycode(display_, ModifierSymbol(parts[i])));
    for (KeyCode modifier : modifiers)
        XTestFakeKeyEvent(display_, modifier, True, CurrentTime);
    press(symbol, false);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        XTestFakeKeyEvent(display_, *it, False, CurrentTime);
    XSync(display_, False);
    std::this_thread::sleep_for(kKeyGap);
}

void XKeyboard::type(const std::string& text) {
    for (char c : text) {
        // Latin-1 characters are their own key symbols.
        const auto symbol = static_cast<KeySym>(static_cast<unsigned char>(c));
        const KeyCode code = XKeysymToKeycode(display_, symbol);
        if (code == 0)
            throw std::runtime_error(std::string("no key types ") + c);
        const bool withShift = XkbKeycodeToKeysym(display_, code, 0, 0) != symbol;
        press(symbol, withShift);
        XSync(display_, False);
        std::this_thread::sleep_for(kKeyGap);
    }
}

void XKeyboard::press(KeySym symbol, bool withShift) {
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    const KeyCode shift = XKeysymToKeycode(display_, XK_Shift_L);
    if (withShift)
        XTestFakeKeyEvent(display_, shift, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (withShift)
        XTestFakeKeyEvent(display_, shift, False, CurrentTime);
}

}  // namespace tessary::bench
