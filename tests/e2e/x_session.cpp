#include "x_session.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace tessary::testing {
namespace {

// Runs a program to its end; its standard output, or nothing when it failed.
std::optional<QByteArray> RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

}  // namespace

void Pause(std::chrono::milliseconds duration) {
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

QString XSession::xdotool(const QStringList& arguments) {
    const std::optional<QByteArray> output = RunTool(QStringLiteral("xdotool"), arguments);
    EXPECT_TRUE(output.has_value()) << "xdotool " << arguments.join(' ').toStdString();
    return QString::fromUtf8(output.value_or(QByteArray())).trimmed();
}

unsigned long XSession::waitForWindow(const QString& title, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        // search exits with 1 while nothing matches, so it is run without the failure check.
        const std::optional<QByteArray> found =
            RunTool(QStringLiteral("xdotool"),
                    {"search", "--onlyvisible", "--name", QStringLiteral("^%1$").arg(title)});
        const QStringList ids =
            QString::fromUtf8(found.value_or(QByteArray())).split('\n', Qt::SkipEmptyParts);
        if (!ids.isEmpty())
            return ids.last().toULong();
        Pause(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
}

QRect XSession::windowGeometry(unsigned long window) {
    // "--shell" prints X=, Y=, WIDTH=, HEIGHT= and SCREEN= lines.
    const QStringList lines =
        xdotool({"getwindowgeometry", "--shell", QString::number(window)}).split('\n');
    QRect geometry;
    for (const QString& line : lines) {
        if (line.startsWith("X="))
            geometry.moveLeft(line.mid(2).toInt());
        else if (line.startsWith("Y="))
            geometry.moveTop(line.mid(2).toInt());
        else if (line.startsWith("WIDTH="))
            geometry.setWidth(line.mid(6).toInt());
        else if (line.startsWith("HEIGHT="))
            geometry.setHeight(line.mid(7).toInt());
    }
    return geometry;
}

QPoint XSession::windowOrigin(unsigned long window) {
    return windowGeometry(window).topLeft();
}

void XSession::focus(unsigned long window) {
    xdotool({"windowfocus", "--sync", QString::number(window)});
}

void XSession::moveTo(QPoint at) {
    xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
}

void XSession::click(QPoint at) {
    moveTo(at);
    xdotool({"click", "1"});
}

void XSession::doubleClickRight(QPoint at) {
    moveTo(at);
    xdotool({"click", "--repeat", "2", "--delay", "60", "3"});
    Pause(std::chrono::milliseconds(300));
}

void XSession::drag(QPoint from, QPoint to) {
    moveTo(from);
    xdotool({"mousedown", "1"});
    Pause(std::chrono::milliseconds(50));
    constexpr int kSteps = 12;
    for (int i = 1; i <= kSteps; ++i) {
        const QPoint step = from + (to - from) * i / kSteps;
        // --sync would wait for a pointer the program has hidden and pinned; plain moves do.
        xdotool({"mousemove", QString::number(step.x()), QString::number(step.y())});
        Pause(std::chrono::milliseconds(20));
    }
    xdotool({"mouseup", "1"});
    Pause(std::chrono::milliseconds(100));
}

void XSession::key(const QString& keys) {
    xdotool({"key", "--delay", "50", keys});
}

void XSession::type(const QString& text) {
    xdotool({"type", "--delay", "20", text});
}

QImage XSession::screenshot() {
    // The program may still be working through the events just sent: the screen counts once
    // two shots in a row agree (the timer display changes only once a second).
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    QImage previous = grabScreen();
    for (;;) {
        Pause(std::chrono::milliseconds(150));
        QImage next = grabScreen();
        if (next == previous || std::chrono::steady_clock::now() > deadline)
            return next;
        previous = std::move(next);
    }
}

QImage XSession::grabScreen() {
    const std::optional<QByteArray> png =
        RunTool(QStringLiteral("import"), {"-window", "root", "png:-"});
    QImage image;
    EXPECT_TRUE(png && image.loadFromData(*png, "PNG")) << "no screenshot";
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tessary::testing
