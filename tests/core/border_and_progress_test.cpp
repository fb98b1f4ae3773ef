#include <gtest/gtest.h>

#include <vector>

#include "assembly_fixtures.h"
#include "core/border_pieces.h"
#include "core/join_progress.h"

namespace tessary {
namespace {

TEST(LooseBorderPiecesTest, CornersFirstThenEdgesWhateverTheTurnButNoneJoined) {
    ElementSet set = MakeTestGame(3, 4);  // interior: 5 and 6
    TurnTo(set, 0, 2);                    // a corner turned upside down
    TurnTo(set, 4, 1);                    // a left-edge piece turned on its side
    TurnTo(set, 5, 3);                    // an interior piece turned: still not border
    AssembleInPlace(set, {1, 2});         // two top-edge pieces joined
    AssembleInPlace(set, {10, 6});        // a bottom-edge piece joined to the interior
    EXPECT_EQ(LooseBorderPieces(set), (std::vector<int>{0, 3, 8, 11, 4, 7, 9}));
}

TEST(LooseBorderPiecesTest, OneRowIsAllBorderWithItsEndsForCorners) {
    ElementSet set = MakeTestGame(1, 4);
    EXPECT_EQ(LooseBorderPieces(set), (std::vector<int>{0, 3, 1, 2}));
}

struct ProgressCase {
    const char* name;
    int rows, columns;
    std::vector<std::vector<int>> blocks;  // each assembled in place
    int percent;
};

TEST(JoinProgressPercentTest, JoinsMadeOfAllThereAreRoundedDown) {
    const ProgressCase cases[] = {
        {"all loose", 2, 3, {}, 0},
        {"one pair of six", 2, 3, {{0, 1}}, 20},
        {"a pair and a triple of six", 2, 3, {{0, 1}, {3, 4, 5}}, 60},
        {"three of four: two thirds", 2, 2, {{0, 1, 2}}, 66},
        {"complete", 2, 3, {{0, 1, 2, 3, 4, 5}}, 100},
        {"a game of one", 1, 1, {}, 100},
    };
    for (const ProgressCase& c : cases) {
        SCOPED_TRACE(c.name);
        ElementSet set = MakeTestGame(c.rows, c.columns);
        for (const std::vector<int>& block : c.blocks)
            AssembleInPlace(set, block);
        EXPECT_EQ(JoinProgressPercent(set), c.percent);
    }
}

}  // namespace
}  // namespace tessary
