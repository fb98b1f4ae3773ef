// A whole game played in the real program, in an X server, the way a player plays it: the
// picture opened through the menu and the real dialogs, cut 3 x 2, the pieces dragged together
// with the mouse until the completion window comes up. Screenshots of the field before and
// after are kept beside the test program.

#include <gtest/gtest.h>

#include "piece_locator.h"
#include "program_fixture.h"
#include "x_session.h"

namespace tessary::testing {
namespace {

using std::chrono::milliseconds;
using Sightings = std::vector<std::optional<PieceSighting>>;

// Sightings of every piece; fails the test, keeping the screenshot, when one cannot be seen.
Sightings SeeAllPieces() {
    const QImage shot = XSession::screenshot();
    Sightings pieces = LocatePieces(shot);
    for (size_t k = 0; k < pieces.size(); ++k)
        EXPECT_TRUE(pieces[k].has_value()) << "piece " << k << " not seen";
    if (::testing::Test::HasFailure())
        ProgramFixture::keep(shot, "play_game_unseen.png");
    return pieces;
}

class PlayGameTest : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startProgram());
        ASSERT_NO_FATAL_FAILURE(startNewGame());
        // The picture's preview came up with the picture; it would be seen as pieces.
        keyToWindow("ctrl+p");
        Pause(milliseconds(300));
    }
};

TEST_F(PlayGameTest, APictureCutThreeByTwoIsAssembledByDraggingUntilTheCompletionWindow) {
    const QImage before = XSession::screenshot();
    keep(before, "play_game_before.png");
    Sightings pieces = LocatePieces(before);
    ASSERT_EQ(pieces.size(), 6u);
    for (size_t k = 0; k < pieces.size(); ++k)
        ASSERT_TRUE(pieces[k].has_value()) << "piece " << k << " not seen after creation";

    // Every piece is turned upright with right double-clicks (a quarter turn each)...
    for (size_t k = 0; k < pieces.size(); ++k) {
        for (int tries = 0; pieces[k]->turns != 0 && tries < 4; ++tries) {
            XSession::doubleClickRight(pieces[k]->grab);
            pieces = SeeAllPieces();
            ASSERT_FALSE(HasFailure());
        }
        ASSERT_EQ(pieces[k]->turns, 0) << "piece " << k << " does not turn upright";
    }
    keep(XSession::screenshot(), "play_game_upright.png");

    // ...and carried to where it lies once its block shares piece 0's origin. Piece 0 goes
    // first to an empty part of the field, below the pieces still to be placed, where the
    // growing block covers none of them, and left of the centre, where the completion window
    // will stand. A piece passing its place beside another on the way snaps there and its
    // drag ends, as in play; it is then carried on, with its block, in a later round.
    const QPoint anchor = origin + QPoint(40, 400);
    const auto nextToCarry = [&]() -> int {
        for (size_t k = 0; k < pieces.size(); ++k)
            if (pieces[k]->origin != anchor)
                return static_cast<int>(k);
        return -1;
    };
    for (int drags = 0; nextToCarry() >= 0; ++drags) {
        if (drags == 12) {
            keep(XSession::screenshot(), "play_game_failed.png");
            FAIL() << "piece " << nextToCarry() << " does not reach its place";
        }
        const PieceSighting seen = *pieces[static_cast<size_t>(nextToCarry())];
        XSession::drag(seen.grab, seen.grab - seen.origin + anchor);
        pieces = SeeAllPieces();
        ASSERT_FALSE(HasFailure());
    }

    // The completion window stands over the field for at least a second.
    Pause(milliseconds(300));
    const QImage after = XSession::screenshot();
    keep(after, "play_game_after.png");
    EXPECT_NE(XSession::waitForWindow(QString::fromUtf8("Поздравляем!"), milliseconds(10000)), 0u)
        << "no completion window";
}

}  // namespace
}  // namespace tessary::testing
