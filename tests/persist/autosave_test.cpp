#include "persist/autosave.h"

#include <gtest/gtest.h>

#include <memory>

#include "persist/saved_game_store.h"
#include "persist_fixtures.h"
#include "temp_folder.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;
using testing::GameFileBytes;
using testing::GameHarness;
using testing::ReadAll;
using testing::TempFolder;

class AutosaveTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(h.create(), GameOutcome::Created); }

    std::unique_ptr<Autosave> startSession(bool isInterrupted) {
        auto autosave =
            std::make_unique<Autosave>(folder.path("autosave"), [this] { return h.now; });
        EXPECT_EQ(autosave->beginSession(), isInterrupted);
        return autosave;
    }

    // A move of the top-left element by one cell, told to the automatic save.
    void move(Autosave& autosave) {
        const Rect core = h.state.elements->baseRects()[0];
        h.dragTo(0, {core.left + h.state.plan.elementSize, core.top});
        autosave.noteChange(h.state);
    }

    LoadGameResult restore(Autosave& autosave, AutosaveSlot slot) {
        return autosave.restore(slot, h.state, h.field, h.settings, worker, [](GameOutcome) {});
    }

    TempFolder folder;
    GameHarness h{{.rotateElements = false}};
    RotationWorker worker;
};

// The game is written two minutes after a change, the session is killed, and the next one
// gets the same pieces in the same places back, with the time played.
TEST_F(AutosaveTest, AKilledSessionGivesItsGameBack) {
    h.state.pictureName = "Лес";
    std::vector<std::uint8_t> written;
    {
        std::unique_ptr<Autosave> autosave = startSession(false);
        move(*autosave);
        h.now += 119;
        autosave->writeIfDue(h.state, h.field, h.settings);
        EXPECT_FALSE(autosave->describe(AutosaveSlot::Current).has_value());
        h.now += 1;
        autosave->writeIfDue(h.state, h.field, h.settings);
        written = GameFileBytes(h);
        move(*autosave);                            // not yet written when the session is killed
        autosave->describe(AutosaveSlot::Current);  // the write has finished
        // No endSession: the marker stays, as after a kill.
    }
    h.now += 1000;
    std::unique_ptr<Autosave> autosave = startSession(true);
    const auto summary = autosave->describe(AutosaveSlot::Current);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->pictureName, "Лес");
    EXPECT_EQ(summary->pieceCount, 20);
    EXPECT_EQ(summary->elapsedSeconds, 120);

    ASSERT_EQ(restore(*autosave, AutosaveSlot::Current).outcome, GameOutcome::Loaded);
    EXPECT_EQ(GameFileBytes(h), written);
    EXPECT_EQ(h.state.pictureName, "Лес");
    EXPECT_TRUE(autosave->endSession());
    EXPECT_FALSE(startSession(false)->describe(AutosaveSlot::Previous).has_value());
}

// A game discarded for a new one is written first, and comes back from the previous slot
// while the new one takes its place in the current slot.
TEST_F(AutosaveTest, ADiscardedGameComesBackFromThePreviousSlot) {
    std::unique_ptr<Autosave> autosave = startSession(false);
    move(*autosave);
    autosave->writeBeforeDiscard(h.state, h.field, h.settings);
    const std::vector<std::uint8_t> discarded = GameFileBytes(h);
    const std::uint64_t discardedId = h.state.gameId;

    ASSERT_EQ(h.create(), GameOutcome::Created);
    move(*autosave);
    h.now += 120;
    autosave->writeIfDue(h.state, h.field, h.settings);
    const auto previous = autosave->describe(AutosaveSlot::Previous);
    ASSERT_TRUE(previous.has_value());
    EXPECT_EQ(previous->gameId, discardedId);

    move(*autosave);
    const std::vector<std::uint8_t> replaced = GameFileBytes(h);
    ASSERT_EQ(restore(*autosave, AutosaveSlot::Previous).outcome, GameOutcome::Loaded);
    EXPECT_EQ(GameFileBytes(h), discarded);
    EXPECT_EQ(h.state.gameId, discardedId);
    // The game it replaced, changed since its last write, was written on its way out.
    autosave->describe(AutosaveSlot::Current);
    const fs::path current = AutosaveSlotFolder(folder.path("autosave"), AutosaveSlot::Current);
    EXPECT_EQ(ReadAll(SavedGamePath(current.string(), kAutosaveGameName)), replaced);
    EXPECT_EQ(autosave->failuresInARow(), 0);
}

}  // namespace
}  // namespace tessary
