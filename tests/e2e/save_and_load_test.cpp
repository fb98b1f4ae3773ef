// A game saved, left and loaded again in the real program, and the settings saved and read
// back across a restart, all through the keys and dialogs a player uses.

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "piece_locator.h"
#include "program_fixture.h"
#include "x_session.h"

namespace tessary::testing {
namespace {

using std::chrono::milliseconds;

// "Действия" > "Захват изображения" > "Игровое поле", from the main window's client origin.
constexpr QPoint kActionsMenuTitle(87, 10);
constexpr QPoint kCaptureItem(100, 96);  // the fourth item, under "Собрать края"

class SaveAndLoadTest : public ProgramFixture {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startProgram()); }

    // The whole field written through "&Игровое поле" into `name`.bmp in the program's folder.
    QImage captureField(const char* name) {
        XSession::click(origin + kActionsMenuTitle);
        Pause(milliseconds(300));
        pointAtSubmenu(kCaptureItem);
        XSession::key("Down");  // "Игровое поле"
        XSession::key("Return");
        const QString path = QDir(program.folder()).filePath(QString::fromUtf8(name) + ".bmp");
        answerDialog(QString::fromUtf8("Сохранить как"), path);
        Pause(milliseconds(1000));
        QImage field(path);
        EXPECT_FALSE(field.isNull()) << "no capture in " << path.toStdString();
        return field;
    }

    QByteArray settingsFile() const {
        QFile file(QDir(program.folder()).filePath(QStringLiteral("settings.cfg")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(SaveAndLoadTest, ASavedGameComesBackWithEveryPieceWhereItLay) {
    ASSERT_NO_FATAL_FAILURE(startNewGame());
    keyToWindow("ctrl+p");  // the picture's preview off: it would be seen as pieces
    Pause(milliseconds(300));
    // Part of the game played: piece 1 joined to piece 0.
    const auto pieces = LocatePieces(XSession::screenshot());
    ASSERT_TRUE(pieces[0] && pieces[1]);
    XSession::drag(pieces[1]->grab, pieces[1]->grab - pieces[1]->origin + pieces[0]->origin);
    const QImage before = captureField("before");

    keyToWindow("F2");
    ASSERT_NO_FATAL_FAILURE(answerDialog(QString::fromUtf8("Сохранить игру"), "half done"));
    Pause(milliseconds(1000));
    ASSERT_NO_FATAL_FAILURE(quitProgram());

    ASSERT_NO_FATAL_FAILURE(startProgram());
    keyToWindow("F3");
    ASSERT_NO_FATAL_FAILURE(answerDialog(QString::fromUtf8("Загрузить игру"), QString()));
    Pause(milliseconds(1500));
    keep(XSession::screenshot(), "save_and_load_loaded.png");
    const QImage after = captureField("after");

    ASSERT_FALSE(before.isNull() || after.isNull());
    EXPECT_EQ(before.size(), after.size());
    EXPECT_TRUE(before == after) << "the loaded field differs from the saved one";
}

TEST_F(SaveAndLoadTest, SavedSettingsAreReadBackUnchangedAfterARestart) {
    keyToWindow("5");  // the fifth texture (363), not the default one (358)
    keyToWindow("ctrl+s");
    Pause(milliseconds(500));
    const QByteArray saved = settingsFile();
    ASSERT_FALSE(saved.isEmpty()) << "Ctrl+S wrote no settings file";
    EXPECT_TRUE(saved.contains("363")) << "the chosen texture is not in the file";
    ASSERT_NO_FATAL_FAILURE(quitProgram());

    ASSERT_NO_FATAL_FAILURE(startProgram());
    keyToWindow("ctrl+s");
    Pause(milliseconds(500));
    EXPECT_EQ(settingsFile(), saved);
}

}  // namespace
}  // namespace tessary::testing
