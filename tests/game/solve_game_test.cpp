// A whole game played through the field engine: created from a fixed seed, every element
// turned to one orientation with the pointer and dragged beside its neighbour until it snaps.

#include <gtest/gtest.h>

#include "core/element_set.h"
#include "game_harness.h"

namespace tessary {
namespace {

using testing::GameHarness;
using testing::PicturePixel;

// (dx, dy) turned `quarterTurns` times counter-clockwise as seen on screen (y grows down).
Point TurnCounterClockwise(Point v, int quarterTurns) {
    for (int i = 0; i < quarterTurns; ++i)
        v = {v.y, -v.x};
    return v;
}

// The point of the original picture that a picture turned `quarterTurns` counter-clockwise
// shows at (u, v).
Point OriginalPoint(int u, int v, int width, int height, int quarterTurns) {
    switch (quarterTurns) {
        case 1:
            return {width - 1 - v, u};
        case 2:
            return {width - 1 - u, height - 1 - v};
        case 3:
            return {v, height - 1 - u};
        default:
            return {u, v};
    }
}

class SolveGameTest : public ::testing::TestWithParam<int> {
protected:
    GameHarness h{{.columns = 5, .rows = 4, .elementSize = 32, .seed = 23}};
};

TEST_P(SolveGameTest, AssembledFieldShowsTheCutPicturePixelForPixel) {
    const int orientation = GetParam();
    ASSERT_EQ(h.create(), GameOutcome::Created);
    ElementSet& set = *h.state.elements;
    const int S = h.state.plan.elementSize, columns = 5, rows = 4;

    for (int k = 0; k < set.elementCount(); ++k) {
        h.turnTo(k, orientation);
        ASSERT_EQ(set.element(k).rotation, orientation);
    }

    // Element 0 anchors the picture well away from the scattered grid; the others follow in
    // picture order, each beside a neighbour already in place.
    const Point anchor = {600, 400};
    int completions = 0, joinedDrags = 0;
    for (int k = 0; k < set.elementCount(); ++k) {
        const Point offset = TurnCounterClockwise({k % columns * S, k / columns * S}, orientation);
        const JoinReaction reaction = h.dragTo(k, {anchor.x + offset.x, anchor.y + offset.y});
        completions += reaction == JoinReaction::CompletedNow;
        joinedDrags += reaction != JoinReaction::Nothing;
        ASSERT_EQ(set.baseRects()[k].left, anchor.x + offset.x) << k;
        ASSERT_EQ(set.baseRects()[k].top, anchor.y + offset.y) << k;
    }
    EXPECT_EQ(joinedDrags, set.elementCount() - 1);
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(h.state.gameComplete);
    EXPECT_FALSE(h.state.clock.isRunning());
    EXPECT_EQ(set.members(0).size(), 20u);

    // The assembled area: the bounding box of every core square.
    Rect area = set.baseRects()[0];
    for (const Rect& r : set.baseRects()) {
        area.left = std::min(area.left, r.left);
        area.top = std::min(area.top, r.top);
        area.right = std::max(area.right, r.right);
        area.bottom = std::max(area.bottom, r.bottom);
    }
    const bool isUpright = orientation % 2 == 0;
    ASSERT_EQ(area.width(), (isUpright ? columns : rows) * S);
    ASSERT_EQ(area.height(), (isUpright ? rows : columns) * S);
    int differing = 0;
    for (int v = 0; v < area.height(); ++v) {
        for (int u = 0; u < area.width(); ++u) {
            const Point p = OriginalPoint(u, v, columns * S, rows * S, orientation);
            if (h.field.fieldPicture.pixel(area.left + u, area.top + v) != PicturePixel(p.x, p.y))
                ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Orientations, SolveGameTest, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) {
                             return "quarter_turns_" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace tessary
