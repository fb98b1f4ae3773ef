#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "core/game_settings.h"
#include "core/program_folder.h"
#include "dialogs/message_box.h"
#include "dialogs/russian_translation.h"
#include "field/window/main_frame.h"

namespace {

// A display of 8 bits per pixel or less: the player decides whether to go on.
bool AcceptsLowColourDisplay(const tessary::ScreenInfo& screen) {
    const QString text = QString::fromUtf8(
                             "Текущий режим дисплея: %1 x %2 (%3 бит на пиксел).\nДанная программа "
                             "рассчитана на режимы, использующие больше 8 бит на пиксел. Программа "
                             "не будет работать корректно в текущем режиме.\nПродолжить?\n")
                             .arg(screen.width)
                             .arg(screen.height)
                             .arg(screen.bitsPerPixel);
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(tessary::kMessageCaption), text);
    QPushButton* yes = box.addButton(QString::fromUtf8("Да"), QMessageBox::YesRole);
    box.addButton(QString::fromUtf8("Нет"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tessary::InstallRussianTranslation(application);

    tessary::ScreenInfo screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen.width = primary->geometry().width();
        screen.height = primary->geometry().height();
        screen.bitsPerPixel = primary->depth();
    }
    if (screen.bitsPerPixel < 9 && !AcceptsLowColourDisplay(screen))
        return 0;
    tessary::ProgramFolder();

    tessary::GameSettings settings;
    tessary::CMainFrame frame(settings, screen);
    frame.showConfigured();
    return QApplication::exec();
}
