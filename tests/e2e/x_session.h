#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>

namespace tessary::testing {

/// The X server the end-to-end tests run in (xvfb-run's), driven the way a player would:
/// xdotool for the pointer and the keyboard, ImageMagick's import for screenshots.
class XSession {
public:
    /// Runs xdotool with `arguments`; its standard output, trimmed. Fails the test when
    /// xdotool does.
    static QString xdotool(const QStringList& arguments);

    /// The visible top-level window whose title is `title`, waiting up to `timeout` for it to
    /// appear; 0 when none did.
    static unsigned long waitForWindow(
        const QString& title, std::chrono::milliseconds timeout = std::chrono::seconds(20));
    /// A window's client area on the screen.
    static QRect windowGeometry(unsigned long window);
    /// Top-left corner of a window's client area on the screen.
    static QPoint windowOrigin(unsigned long window);
    /// Gives a window the keyboard focus (there is no window manager to do it).
    static void focus(unsigned long window);

    static void moveTo(QPoint at);
    static void click(QPoint at);
    /// Double-clicks the right button at `at`.
    static void doubleClickRight(QPoint at);
    /// Presses the left button at `from`, moves in small steps to `to` and releases there.
    static void drag(QPoint from, QPoint to);
    /// Presses keys given as xdotool key names ("ctrl+n", "Return").
    static void key(const QString& keys);
    /// Types `text` into the focused control.
    static void type(const QString& text);

    /// The whole screen, once it has stopped changing.
    static QImage screenshot();

private:
    static QImage grabScreen();
};

/// Waits `duration` while the program under test runs.
void Pause(std::chrono::milliseconds duration);

}  // namespace tessary::testing
