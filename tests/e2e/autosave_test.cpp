// The automatic save in the real program: a game played and then ended by a signal comes back
// at the next start when the player answers Yes to "Продолжить прерванную игру?". Games saved
// with F2 before the end and after the return tell where the pieces lie.

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <span>

#include "piece_locator.h"
#include "program_fixture.h"
#include "x_session.h"

namespace tessary::testing {
namespace {

using std::chrono::milliseconds;

// The caption of the program's message boxes.
const QString kMessageCaption = QStringLiteral("Tessary from Kelvandor 1.9.05");

class AutosaveTest : public ProgramFixture {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startProgram()); }

    // A new game with two moves: piece 1 joined to piece 0, piece 5 carried aside.
    void playAFewMoves() {
        ASSERT_NO_FATAL_FAILURE(startNewGame());
        keyToWindow("ctrl+p");  // the picture's preview off: it would be seen as pieces
        Pause(milliseconds(300));
        const auto pieces = LocatePieces(XSession::screenshot());
        ASSERT_TRUE(pieces[0] && pieces[1] && pieces[5]);
        XSession::drag(pieces[1]->grab, pieces[1]->grab - pieces[1]->origin + pieces[0]->origin);
        XSession::drag(pieces[5]->grab, pieces[5]->grab + QPoint(-40, 30));
        Pause(milliseconds(300));
    }

    // Ctrl+N answered Yes, which writes the game before it goes; the picture dialog then
    // cancelled, so no game is left.
    void discardForANewGame() {
        keyToWindow("ctrl+n");
        ASSERT_NO_FATAL_FAILURE(answerDialog(kMessageCaption, QString()));
        const unsigned long open = XSession::waitForWindow(QString::fromUtf8("Загрузить картинку"));
        ASSERT_NE(open, 0u) << "no picture dialog";
        XSession::focus(open);
        XSession::key("Escape");
        Pause(milliseconds(1000));
    }

    // Starts the program again and answers Yes to its question about the interrupted game.
    void continueInterruptedGame() {
        ASSERT_NO_FATAL_FAILURE(startProgram());
        ASSERT_NO_FATAL_FAILURE(answerDialog(kMessageCaption, QString()));  // Yes is the default
        Pause(milliseconds(1500));
    }

    static void expectSamePlaces(const SavedGameContents& before, const SavedGameContents& after) {
        EXPECT_EQ(after.header.columns, before.header.columns);
        EXPECT_EQ(after.header.rows, before.header.rows);
        EXPECT_EQ(after.stored.baseRects, before.stored.baseRects);
        EXPECT_EQ(after.stored.zOrder, before.stored.zOrder);
        ASSERT_EQ(after.stored.elements.size(), before.stored.elements.size());
        for (std::size_t k = 0; k < before.stored.elements.size(); ++k) {
            EXPECT_EQ(after.stored.elements[k].rotation, before.stored.elements[k].rotation) << k;
            EXPECT_EQ(after.stored.elements[k].members, before.stored.elements[k].members) << k;
        }
        EXPECT_GE(after.stored.elapsedSeconds, before.stored.elapsedSeconds);
    }
};

TEST_F(AutosaveTest, AGameKilledAfterItsWriteComesBackAtTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(playAFewMoves());
    const SavedGameContents before = saveGame("before");
    ASSERT_NO_FATAL_FAILURE(discardForANewGame());
    ASSERT_TRUE(program.kill(SIGKILL));

    ASSERT_NO_FATAL_FAILURE(continueInterruptedGame());
    keep(XSession::screenshot(), "autosave_after_kill.png");
    expectSamePlaces(before, saveGame("after"));
}

TEST_F(AutosaveTest, AGameDiscardedForANewOneComesBackThroughTheRestoreCommand) {
    ASSERT_NO_FATAL_FAILURE(playAFewMoves());
    const SavedGameContents before = saveGame("before");
    ASSERT_NO_FATAL_FAILURE(discardForANewGame());
    // "Игра" > "Вернуть прерванную игру...", the second item (the saved game enables the first).
    openGameMenu();
    XSession::key("Down");
    XSession::key("Down");
    XSession::key("Return");
    // The list starts at the game interrupted last: the one just discarded.
    ASSERT_NO_FATAL_FAILURE(answerDialog(QString::fromUtf8("Вернуть прерванную игру"), QString()));
    Pause(milliseconds(1500));
    keep(XSession::screenshot(), "autosave_after_restore.png");
    expectSamePlaces(before, saveGame("after"));
}

TEST_F(AutosaveTest, AGameEndedBySigtermComesBackAtTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(playAFewMoves());
    const SavedGameContents before = saveGame("before");
    ASSERT_TRUE(program.kill(SIGTERM)) << "the program did not end on SIGTERM";

    ASSERT_NO_FATAL_FAILURE(continueInterruptedGame());
    expectSamePlaces(before, saveGame("after"));
}

}  // namespace
}  // namespace tessary::testing
