#include "game/game_state.h"

#include <gtest/gtest.h>

#include "game/apply_join_reaction.h"
#include "game_harness.h"

namespace tessary {
namespace {

using testing::GameHarness;

struct CommandRow {
    const char* name;
    bool pictureLoaded, pictureCut, elementsCreated, gameComplete, workerBusy;
    // expected: cut, create, save, arrange, show picture, load game (saves exist), pause (and
    // the exit confirmation)
    bool canCut, canCreate, canSave, canArrange, canShow, canLoad, canPause;
};

class CommandAvailabilityTest : public ::testing::TestWithParam<CommandRow> {};

TEST_P(CommandAvailabilityTest, FollowsTheGamesState) {
    const CommandRow& row = GetParam();
    GameState s;
    s.pictureLoaded = row.pictureLoaded;
    s.pictureCut = row.pictureCut;
    s.elementsCreated = row.elementsCreated;
    s.gameComplete = row.gameComplete;
    s.workerBusy = row.workerBusy;
    EXPECT_EQ(s.canCutPicture(), row.canCut);
    EXPECT_EQ(s.canCreateElements(), row.canCreate);
    EXPECT_EQ(s.canSaveGame(), row.canSave);
    EXPECT_EQ(s.canArrangeElements(), row.canArrange);
    EXPECT_EQ(s.canShowPicture(), row.canShow);
    EXPECT_EQ(s.canLoadGame(true), row.canLoad);
    EXPECT_FALSE(s.canLoadGame(false));
    EXPECT_EQ(s.canPause(true), row.canPause);
    EXPECT_FALSE(s.canPause(false));
    EXPECT_EQ(s.needsExitConfirmation(), row.canPause);
}

constexpr bool o = true, _ = false;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, CommandAvailabilityTest,
    ::testing::Values(
        // state: picture loaded, cut, elements created, complete, worker busy
        // commands: cut, create, save, arrange, show picture, load game, pause
        CommandRow{"empty",                       _, _, _, _, _,   _, _, _, _, _, o, _},
        CommandRow{"empty_with_old_plan",         _, o, _, _, _,   _, _, _, _, _, o, _},
        CommandRow{"picture_loaded",              o, _, _, _, _,   o, _, _, _, o, o, _},
        CommandRow{"cut",                         o, o, _, _, _,   o, o, _, _, o, o, _},
        CommandRow{"playing",                     o, o, o, _, _,   o, o, o, o, o, o, o},
        CommandRow{"complete",                    o, o, o, o, _,   o, o, _, o, o, o, _},
        CommandRow{"worker_turning_the_picture",  o, o, _, _, o,   _, _, _, _, o, _, _}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ResetGameTest, KeepingThePictureLeavesTheGameCut) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    h.state.pictureName = "sea";
    ResetGame(h.state, h.field, false);
    EXPECT_EQ(h.state.elements, nullptr);
    EXPECT_EQ(h.field.elements, nullptr);
    EXPECT_FALSE(h.state.elementsCreated);
    EXPECT_TRUE(h.state.canCreateElements());
    EXPECT_EQ(h.state.pictureName, "sea");
    EXPECT_EQ(h.field.picture, &h.state.picture);
    EXPECT_FALSE(h.state.clock.isRunning());
    EXPECT_EQ(h.state.clock.displayText(), "00:00:00");
}

TEST(ResetGameTest, DiscardingThePictureLeavesTheGameEmpty) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    h.state.pictureName = "sea";
    ResetGame(h.state, h.field, true);
    EXPECT_FALSE(h.state.pictureLoaded);
    EXPECT_TRUE(h.state.picture.isEmpty());
    EXPECT_TRUE(h.state.pictureName.empty());
    EXPECT_EQ(h.field.picture, nullptr);
    EXPECT_TRUE(h.state.pictureCut);  // the plan and its flag stay for the next picture
    EXPECT_FALSE(h.state.canCreateElements());
}

struct ReactionRow {
    const char* name;
    JoinReaction reaction;
    bool wasComplete;
    JoinReaction expected;
    bool isComplete;
    bool isClockRunning;
};

class ApplyJoinReactionTest : public ::testing::TestWithParam<ReactionRow> {};

TEST_P(ApplyJoinReactionTest, CompletesTheGameOnce) {
    const ReactionRow& row = GetParam();
    std::int64_t now = 500;
    GameState s([&] { return now; });
    s.elementsCreated = true;
    s.gameComplete = row.wasComplete;
    s.clock.start(0);
    now += 3725;
    EXPECT_EQ(ApplyJoinReaction(s, row.reaction), row.expected);
    EXPECT_EQ(s.gameComplete, row.isComplete);
    EXPECT_EQ(s.clock.isRunning(), row.isClockRunning);
    now += 100;
    if (!row.isClockRunning) {
        EXPECT_EQ(s.clock.displayText(), "01:02:05");  // the final time stays
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ApplyJoinReactionTest,
    ::testing::Values(
        ReactionRow{"no_join", JoinReaction::Nothing, false, JoinReaction::Nothing, false, true},
        ReactionRow{"join", JoinReaction::Joined, false, JoinReaction::Joined, false, true},
        ReactionRow{"completed", JoinReaction::CompletedNow, false, JoinReaction::CompletedNow,
                    true, false},
        ReactionRow{"already_complete", JoinReaction::CompletedNow, true, JoinReaction::Joined,
                    true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
