#include <QApplication>
#include <QScreen>

#include "core/game_settings.h"
#include "core/program_folder.h"
#include "dialogs/russian_translation.h"
#include "field/window/main_frame.h"
#include "field/window/quit_signals.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tessary::InstallRussianTranslation(application);

    tessary::ScreenInfo screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen.width = primary->geometry().width();
        screen.height = primary->geometry().height();
        screen.bitsPerPixel = primary->depth();
    }
    if (screen.bitsPerPixel < 9 && !tessary::AcceptsLowColourDisplay(nullptr, screen))
        return 0;
    tessary::ProgramFolder();

    tessary::GameSettings settings;
    tessary::CMainFrame frame(settings, screen);
    frame.showConfigured();
    tessary::QuitSignals quitSignals([&frame] { frame.quitBySignal(); }, nullptr);
    frame.beginAutosave();
    return QApplication::exec();
}
