#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <vector>

#include "core/element_set.h"
#include "dialogs/load_game_dlg.h"
#include "dialogs/save_game_dlg.h"
#include "field/window/command_ids.h"
#include "field/window/preview_window.h"
#include "game/memory_fault.h"
#include "game/message_texts.h"
#include "persist/saved_game_store.h"
#include "picture/picture_buffer.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// Where every element lies: core square, quarter turns and place in the z-order.
using Layout = std::vector<std::array<int, 6>>;

Layout LayoutOf(const GameState& game) {
    Layout layout;
    const ElementSet& set = *game.elements;
    for (int k = 0; k < set.elementCount(); ++k) {
        const Rect& core = set.baseRects()[k];
        layout.push_back({core.left, core.top, core.right, core.bottom, set.element(k).rotation,
                          set.zOrder()[k]});
    }
    return layout;
}

// Closes a modal dialog a step left open, so that a failing test cannot hang.
void CloseIfOpen(QDialog* dialog) {
    if (dialog->isVisible()) {
        ADD_FAILURE() << "the dialog stayed open";
        dialog->reject();
    }
}

class SavedGamesTest : public UiFixture {
protected:
    SavedGamesTest() {
        frame->setSavedGamesFolder(saves.path().toStdString());
        settings.showTimer = 1;
    }

    // A game "gradient" of 3 x 2 elements made by the create-elements command, through the
    // worker when rotated; `seed` fixes its layout.
    void startGame(bool isRotated, int seed) {
        settings.rotateElements = isRotated ? 1 : 0;
        GameState& game = frame->game();
        placeCutPicture(GradientPicture());
        game.pictureName = "gradient";
        game.seedSource = [seed] { return seed; };
        frame->runCommand(kCmdCreateElements);
        waitForWorker();
        ASSERT_TRUE(frame->game().isInProgress());
    }

    void waitForWorker() {
        QElapsedTimer waited;
        waited.start();
        while (frame->game().workerBusy && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_FALSE(frame->game().workerBusy);
    }

    // The save-game command with `name` typed into its dialog; returns the proposed name.
    QString saveAs(const QString& name) {
        QString proposed;
        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<CSaveGameDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("name"));
            proposed = edit->text();
            edit->setText(name);
            dialog->findChild<QPushButton*>(QStringLiteral("save"))->click();
            CloseIfOpen(dialog);
        });
        frame->runCommand(kCmdSaveGame);
        return proposed;
    }

    // The load-game command, loading the game its dialog offers first.
    void loadFirst() {
        WhenModal([](QWidget* modal) {
            auto* dialog = qobject_cast<CLoadGameDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QPushButton*>(QStringLiteral("load"))->click();
            CloseIfOpen(dialog);
        });
        frame->runCommand(kCmdLoadGame);
        waitForWorker();
    }

    QString saved(const char* file) const { return saves.filePath(QString::fromUtf8(file)); }

    QTemporaryDir saves;
};

class SavedGameRoundTripTest : public SavedGamesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SavedGameRoundTripTest, LoadingPutsThePiecesBackAndTheClockRunsOn) {
    const bool isRotated = GetParam();
    EXPECT_FALSE(frame->isCommandEnabled(kCmdLoadGame));  // nothing saved yet
    startGame(isRotated, 3);
    frame->game().clock.start(5400);
    const Layout before = LayoutOf(frame->game());

    EXPECT_EQ(saveAs(QStringLiteral("Лес")), QStringLiteral("gradient"));
    EXPECT_TRUE(QFile::exists(saved("Лес.tsy")));
    EXPECT_TRUE(QFile::exists(saved("Лес.bmp")));
    EXPECT_EQ(frame->game().pictureName, "gradient");  // saving keeps the game's name
    EXPECT_TRUE(frame->isCommandEnabled(kCmdLoadGame));

    startGame(isRotated, 41);  // another layout in its place
    ASSERT_NE(LayoutOf(frame->game()), before);
    settings.rotateElements = isRotated ? 0 : 1;  // the saved game brings its own
    questions.clear();

    loadFirst();
    const GameState& game = frame->game();
    ASSERT_TRUE(game.isInProgress());
    EXPECT_TRUE(questions.isEmpty());  // the game in progress went without a question
    EXPECT_EQ(settings.rotateElements, isRotated ? 1 : 0);
    EXPECT_EQ(game.pictureName, "Лес");
    EXPECT_EQ(LayoutOf(game), before);
    EXPECT_EQ(frame->field().elements, game.elements.get());
    EXPECT_TRUE(frame->previewWindow().isVisible());
    EXPECT_TRUE(game.clock.isRunning());
    EXPECT_TRUE(frame->timerDisplay().text().startsWith(QStringLiteral("01:30:0")))
        << frame->timerDisplay().text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, SavedGameRoundTripTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "rotated" : "upright"; });

struct DamageRow {
    const char* name;
    const char* file;     // the file damaged
    QByteArray contents;  // its new contents; null: the file is removed
};

TEST_F(SavedGamesTest, AGameThatCannotBeLoadedLeavesNoGameAndNamesItsFile) {
    const DamageRow rows[] = {
        {"picture removed", "Лес.bmp", QByteArray()},
        {"game file cut off", "Лес.tsy", QByteArray("\x89TSY\r\n\x1a\nRDHI", 12)},
        {"game file of another program", "Лес.tsy", QByteArray("not a game")},
    };
    for (const DamageRow& row : rows) {
        SCOPED_TRACE(row.name);
        startGame(false, 3);
        saveAs(QStringLiteral("Лес"));
        QFile file(saved(row.file));
        if (row.contents.isNull()) {
            ASSERT_TRUE(file.remove());
        } else {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(row.contents);
            file.close();
        }
        questions.clear();
        loadFirst();
        EXPECT_EQ(questions, QStringList(QString::fromUtf8(kUnknownFormatMessage)
                                             .replace(QStringLiteral("%s"), saved(row.file))));
        EXPECT_FALSE(frame->game().pictureLoaded);
        EXPECT_FALSE(frame->game().elementsCreated);
        EXPECT_FALSE(frame->previewWindow().isVisible());
        EXPECT_EQ(frame->timerDisplay().text(), QStringLiteral("00:00:00"));
    }
}

struct LoadMemoryRow {
    const char* name;
    bool isRotated;
    int buildsToPass;  // 0: the rebuild runs out of memory, 1: the finish
};

// Memory runs out while a saved game is rebuilt or finished: the player is told, the game and
// its picture are gone, and the program goes on without a question.
TEST_F(SavedGamesTest, RunningOutOfMemoryWhileLoadingTellsAndDiscardsTheGame) {
    const LoadMemoryRow rows[] = {
        {"rebuild", false, 0},
        {"finish on the main thread", false, 1},
        {"finish on the worker's hand-over", true, 1},
    };
    for (const LoadMemoryRow& row : rows) {
        SCOPED_TRACE(row.name);
        startGame(row.isRotated, 3);
        saveAs(QStringLiteral("Лес"));
        questions.clear();
        icons.clear();
        InjectBuildMemoryFault(row.buildsToPass);
        loadFirst();
        waitForQuestions(1);
        EXPECT_EQ(questions, QStringList(QString::fromUtf8(kOutOfMemoryMessage)));
        EXPECT_EQ(icons, std::vector{MessageIcon::Error});
        EXPECT_TRUE(frame->isVisible());
        EXPECT_FALSE(frame->game().elementsCreated);
        EXPECT_FALSE(frame->game().pictureLoaded);
        EXPECT_FALSE(frame->previewWindow().isVisible());
    }
}

TEST_F(SavedGamesTest, ReplacingAGameSpelledInOtherCaseLeavesOneGame) {
    startGame(false, 3);
    saveAs(QStringLiteral("gradient"));
    saveAs(QStringLiteral("GRADIENT"));
    EXPECT_EQ(
        questions,
        QStringList(QStringLiteral("Игра GRADIENT уже существует. Заменить существующую игру?")));
    EXPECT_EQ(ListSavedGames(saves.path().toStdString()), std::vector<std::string>{"GRADIENT"});
    EXPECT_TRUE(QFile::exists(saved("GRADIENT.bmp")));
    EXPECT_FALSE(QFile::exists(saved("gradient.bmp")));
}

TEST_F(SavedGamesTest, ASaveThatCannotBeWrittenSaysSo) {
    QFile blocker(saves.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    frame->setSavedGamesFolder(saves.filePath(QStringLiteral("file/save")).toStdString());
    startGame(false, 3);
    saveAs(QStringLiteral("Лес"));
    EXPECT_EQ(questions, QStringList(QString::fromUtf8(kSaveFailedMessage)));
    EXPECT_TRUE(frame->game().isInProgress());
}

}  // namespace
}  // namespace tessary::testing
