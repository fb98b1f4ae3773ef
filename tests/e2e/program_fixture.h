#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <gtest/gtest.h>

#include "persist/saved_game_reader.h"
#include "program_run.h"

namespace tessary::testing {

/// A test that plays the real program in its own folder, with the coded picture beside it.
/// Window places are given from the main window's client origin.
class ProgramFixture : public ::testing::Test {
public:
    /// Keeps a screenshot beside the test program as an artifact.
    static void keep(const QImage& shot, const char* name);

protected:
    /// The built program, run as a portable copy.
    ProgramFixture();
    /// An installed program with `environment`, its saved games in `saves`.
    ProgramFixture(const QString& installedProgram, const QProcessEnvironment& environment,
                   const QString& saves);

    /// Starts the program (again, after a quit) with `arguments` and waits for its window.
    void startProgram(const QStringList& arguments = {});
    /// "Игра" opened and "Создать игру" pointed at with the mouse, "Новая игра" chosen from its
    /// submenu with the keyboard; the picture's path typed into the open dialog and the cut
    /// dialog's proposal, 3 x 2, taken.
    void startNewGame();
    /// Opens "Игра" with a click on its title; no item is active yet.
    void openGameMenu();
    /// Points at the submenu item at `item` of an open menu and waits for its submenu.
    void pointAtSubmenu(QPoint item);
    /// Sends keys to the main window (nothing gives it the focus back after a dialog closes:
    /// the X server runs without a window manager).
    void keyToWindow(const QString& keys);
    /// Waits for the dialog titled `title`, types `text` into its focused control and presses
    /// Enter.
    void answerDialog(const QString& title, const QString& text);
    /// Saves the game under `name` with F2 and reads the file back from savedGamesFolder.
    SavedGameContents saveGame(const char* name);
    /// Quits through "Игра" > "Выход", confirming the question, and waits for the program to end.
    void quitProgram();
    ProgramRun program;
    QString savedGamesFolder;
    QString picture;  // the coded picture's path
    unsigned long window = 0;
    QPoint origin;

private:
    void writePicture();
};

}  // namespace tessary::testing
