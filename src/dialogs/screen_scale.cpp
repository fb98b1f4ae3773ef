#include "dialogs/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace tessary {
namespace {

// Read on every call: the display's resolution may change while the program runs.
int Scale(int v, double dotsPerInch) {
    if (dotsPerInch <= 0 || dotsPerInch == 96) {
        return v;
    }
    return static_cast<int>(std::trunc(v * dotsPerInch / 96 + 0.5));
}

}  // namespace

int ScaleX(int v) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return Scale(v, screen != nullptr ? screen->logicalDotsPerInchX() : 96);
}

int ScaleY(int v) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return Scale(v, screen != nullptr ? screen->logicalDotsPerInchY() : 96);
}

}  // namespace tessary
