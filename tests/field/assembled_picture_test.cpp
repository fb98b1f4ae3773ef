#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "field/dragging.h"
#include "field/key_state.h"
#include "field/rotation.h"
#include "field_fixtures.h"
#include "picture/pixel_reader.h"

namespace tessary {
namespace {

// The element that lies top-left once the picture is assembled at rotation r.
int TopLeftElement(int r, int rows, int columns) {
    switch (r) {
        case 0:
            return 0;
        case 1:
            return columns - 1;
        case 2:
            return rows * columns - 1;
        default:
            return (rows - 1) * columns;
    }
}

// Solves the game by drags as a player would: every element is dropped 3 pixels off the place
// beside a picture neighbour already assembled, and snaps. Returns the last reaction.
JoinReaction SolveByDrags(TestGame& game, int start) {
    ElementSet& set = game.set();
    std::vector<int> placed = {start};
    JoinReaction last = JoinReaction::Nothing;
    while (static_cast<int>(placed.size()) < set.elementCount()) {
        bool isDropped = false;
        for (int g = 0; g < set.elementCount() && !isDropped; ++g) {
            if (std::find(placed.begin(), placed.end(), g) != placed.end())
                continue;
            for (Side towardPlaced : kAllSides) {
                const int o = set.pictureNeighbour(g, towardPlaced);
                if (o < 0 || std::find(placed.begin(), placed.end(), o) == placed.end())
                    continue;
                const Side sideOfO = FieldSideOf(Opposite(towardPlaced), set.element(o).rotation);
                last = game.dropBeside(g, o, sideOfO, {3, -2});
                EXPECT_NE(last, JoinReaction::Nothing) << "element " << g << " did not snap";
                placed.push_back(g);
                isDropped = true;
                break;
            }
        }
    }
    return last;
}

class AssembledPictureTest : public ::testing::TestWithParam<int> {};

TEST_P(AssembledPictureTest, FieldShowsTheTurnedPicturePixelForPixel) {
    const int r = GetParam();
    const int rows = 2, columns = 3;
    TestGame game({.rows = rows, .columns = columns}, 150);
    static constexpr int kTurnTo[4] = {0, -1, 2, 1};  // turn that takes rotation 0 to r
    for (int i = 0; i < game.set().elementCount(); ++i)
        ReorientElement(game.field(), i, kTurnTo[r]);
    RedrawField(game.field(), {.clear = true});

    // The block grows right and down from its first element, in a free part of the view.
    const int start = TopLeftElement(r, rows, columns);
    const Point from = game.centre(start);
    game.pick(from, kDragChord);
    game.dragTo({from.x + 450 - game.core(start).x, from.y + 320 - game.core(start).y});
    ReleaseElement(game.field());

    EXPECT_EQ(SolveByDrags(game, start), JoinReaction::CompletedNow);
    EXPECT_EQ(game.completions, 1);
    EXPECT_TRUE(game.platform.sounds.empty()) << "the reaction is the caller's to play";

    Point origin{INT_MAX, INT_MAX};
    for (const Rect& base : game.set().baseRects())
        origin = {std::min(origin.x, base.left), std::min(origin.y, base.top)};
    const PictureBuffer& turned = game.turnedPicture(r);
    const PixelReader reader(turned);
    for (int v = 0; v < turned.height(); ++v) {
        for (int u = 0; u < turned.width(); ++u) {
            ASSERT_EQ(game.field().fieldPicture.pixel(origin.x + u, origin.y + v),
                      PixelOfColourRef(reader.colourAt(u, v)))
                << "at " << u << "," << v;
        }
    }
    EXPECT_EQ(game.field().fieldPicture, game.redrawnFromScratch());
}

INSTANTIATE_TEST_SUITE_P(Rotations, AssembledPictureTest, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return "rotation" + std::to_string(info.param); });

}  // namespace
}  // namespace tessary
