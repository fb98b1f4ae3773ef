#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "core/command_line.h"
#include "core/game_settings.h"
#include "core/program_folder.h"
#include "core/session_bus.h"
#include "dialogs/russian_translation.h"
#include "field/window/main_frame.h"
#include "field/window/quit_signals.h"

namespace {

// Answers --help, --version and a misused command line without a display; the exit status
// when the program ends here, or -1 when it goes on.
int AnswerCommandLine(const tessary::CommandLine& line) {
    using Action = tessary::CommandLine::Action;
    const std::string usage(tessary::CommandLineUsage());
    switch (line.action) {
        case Action::ShowHelp:
            std::fputs(usage.c_str(), stdout);
            return 0;
        case Action::ShowVersion:
            std::puts("Tessary " TESSARY_VERSION_TEXT);
            return 0;
        case Action::Misuse:
            std::fprintf(stderr, "%s\n\n%s", line.problem.c_str(), usage.c_str());
            return tessary::kMisuseExitStatus;
        case Action::Play:
            break;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const tessary::CommandLine line = tessary::ParseCommandLine(std::span<const char* const>(
        const_cast<const char* const*>(argv) + 1, static_cast<std::size_t>(argc - 1)));
    if (const int status = AnswerCommandLine(line); status >= 0)
        return status;

    if (tessary::HasNoSessionBus(std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                                 std::getenv("XDG_RUNTIME_DIR")))
        ::setenv("DBUS_SESSION_BUS_ADDRESS", tessary::kNoSessionBusAddress, 1);
    // Every argument is the program's own: Qt takes its options from the environment.
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    tessary::InstallRussianTranslation(application);

    tessary::ScreenInfo screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen.width = primary->geometry().width();
        screen.height = primary->geometry().height();
        screen.bitsPerPixel = primary->depth();
    }
    if (screen.bitsPerPixel < 9 && !tessary::AcceptsLowColourDisplay(nullptr, screen))
        return 0;
    tessary::ProgramFiles();

    tessary::GameSettings settings;
    tessary::CMainFrame frame(settings, screen);
    frame.showConfigured();
    tessary::QuitSignals quitSignals([&frame] { frame.quitBySignal(); }, nullptr);
    frame.beginAutosave();
    if (!line.picture.empty()) {
        const QString picture = QString::fromLocal8Bit(line.picture);
        QTimer::singleShot(0, &frame, [&frame, picture] { frame.openPicture(picture); });
    }
    return QApplication::exec();
}
