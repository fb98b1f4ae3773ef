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

// Sightings of every piece; fails the test when one cannot be seen.
Sightings SeeAllPieces() {
    Sightings pieces = LocatePieces(XSession::screenshot());
    for (size_t k = 0; k < pieces.size(); ++k)
        EXPECT_TRUE(pieces[k].has_value()) << "piece " << k << " not seen";
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

    // ...and carried to where it lies once its block shares piece 0's origin.
    const QPoint anchor = pieces[0]->origin;
    for (size_t k = 1; k < pieces.size(); ++k) {
        const PieceSighting seen = *pieces[k];
        XSession::drag(seen.grab, seen.grab - seen.origin + anchor);
        pieces = SeeAllPieces();
        ASSERT_FALSE(HasFailure());
        if (pieces[k]->origin != anchor || pieces[k]->turns != 0)
            keep(XSession::screenshot(), "play_game_failed.png");
        ASSERT_EQ(pieces[k]->origin, anchor) << "piece " << k << " did not snap into place";
    }

    // The completion window stands over the field for at least a second.
    Pause(milliseconds(300));
    const QImage after = XSession::screenshot();
    keep(after, "play_game_after.png");
    EXPECT_NE(XSession::waitForWindow(QString::fromUtf8("Поздравляем!"), milliseconds(3000)), 0u)
        << "no completion window";
}

}  // namespace
}  // namespace tessary::testing
