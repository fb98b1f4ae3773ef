#include "persist/autosave_slots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "file_size_cap.h"
#include "persist/autosave.h"
#include "persist/save_game.h"
#include "persist/saved_game_reader.h"
#include "persist/saved_game_store.h"
#include "persist_fixtures.h"
#include "picture/bmp_reader.h"
#include "temp_folder.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;
using testing::GameHarness;
using testing::ReadAll;
using testing::TempFolder;

using Slots = std::pair<std::int64_t, std::int64_t>;  // the games of current and previous

// Slots written from one played game under different identities and names: game 1 "a",
// game 2 "b", and so on.
class AutosaveSlotsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(h.create(), GameOutcome::Created);
        testing::AssembleTopRows(h);
    }

    AutosaveSnapshot snapshot(std::uint64_t gameId, bool withPicture = true) {
        AutosaveSnapshot s = TakeAutosaveSnapshot(h.state, h.field, h.settings, withPicture);
        s.gameId = gameId;
        s.pictureName = std::string(1, static_cast<char>('a' + gameId - 1));
        return s;
    }

    // The slot's game id when it holds a whole pair: a game file that reads in full and a
    // picture that loads; 0 for an empty slot; -1 for a torn one.
    std::int64_t wholeGameIn(AutosaveSlot slot) const {
        const fs::path folder = AutosaveSlotFolder(root, slot);
        if (!fs::exists(folder)) {
            return 0;
        }
        const auto summary = DescribeAutosaveSlot(root, slot);
        const bool isWhole =
            summary &&
            ReadSavedGame(ReadAll(SavedGamePath(folder.string(), kAutosaveGameName))).isRead() &&
            LoadBmpFile(SavedPicturePath(folder.string(), kAutosaveGameName)).isLoaded();
        return isWhole ? static_cast<std::int64_t>(summary->gameId) : -1;
    }

    Slots slots() const {
        return {wholeGameIn(AutosaveSlot::Current), wholeGameIn(AutosaveSlot::Previous)};
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(root)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    const fs::path root = folder.path("autosave");
    GameHarness h{{.rotateElements = false}};
};

TEST_F(AutosaveSlotsTest, ANewGameMovesTheSlotsGameToThePreviousSlot) {
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(1)));
    EXPECT_EQ(slots(), Slots(1, 0));
    // The same game again replaces itself, reusing its picture file.
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(1, false)));
    EXPECT_EQ(slots(), Slots(1, 0));
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(2)));
    EXPECT_EQ(slots(), Slots(2, 1));
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(2, false)));
    EXPECT_EQ(slots(), Slots(2, 1));
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(3)));
    EXPECT_EQ(slots(), Slots(3, 2));
    // A new game without its picture cannot be written, and changes nothing.
    EXPECT_FALSE(WriteAutosaveSlot(root, snapshot(4, false)));
    EXPECT_EQ(slots(), Slots(3, 2));
    EXPECT_EQ(entries(), (std::vector<std::string>{"current", "previous"}));

    const auto summary = DescribeAutosaveSlot(root, AutosaveSlot::Previous);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->pictureName, "b");
    EXPECT_EQ(summary->pieceCount, 20);

    // Completing the game empties the current slot only.
    ASSERT_TRUE(ClearCurrentAutosaveSlot(root));
    EXPECT_EQ(slots(), Slots(0, 2));
}

// A write cut off after each of its steps, as a kill would leave it: the recovery leaves
// either the slots before the write or those after it, each a whole pair.
TEST_F(AutosaveSlotsTest, AWriteCutOffAtAnyStepLeavesWholePairs) {
    struct Row {
        const char* name;
        std::uint64_t written;
        Slots after;
    };
    const Row rows[] = {
        {"the same game", 2, {2, 1}},
        {"a new game", 3, {3, 2}},
    };
    for (const Row& row : rows) {
        for (int steps = 0;; ++steps) {
            SCOPED_TRACE(::testing::Message() << row.name << ", cut off after " << steps);
            fs::remove_all(root);
            ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(1)));
            ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(2)));
            ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(row.written), steps));
            RecoverAutosaveSlots(root);
            const auto found = slots();
            EXPECT_TRUE(found == Slots(2, 1) || found == row.after);
            EXPECT_EQ(entries(), (std::vector<std::string>{"current", "previous"}));
            if (steps > 2 && found == row.after) {
                break;  // from here on the write has taken place
            }
            ASSERT_LT(steps, 10);
        }
    }
}

TEST_F(AutosaveSlotsTest, AFullDiskLeavesTheSlotsAsTheyWere) {
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(1)));
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(2)));
    const std::uint64_t gameFileSize = SavedGameFileSize(20);
    for (std::uint64_t written : {2, 3}) {
        SCOPED_TRACE(written);
        bool isWritten = true;
        {
            const FileSizeCap cap(gameFileSize - 1);
            ASSERT_TRUE(cap.isInForce());
            isWritten = WriteAutosaveSlot(root, snapshot(written));
        }
        EXPECT_FALSE(isWritten);
        EXPECT_EQ(slots(), Slots(2, 1));
        EXPECT_EQ(entries(), (std::vector<std::string>{"current", "previous"}));
    }
}

TEST_F(AutosaveSlotsTest, TheSlotsAreNoSavedGames) {
    EXPECT_EQ(AutosaveFolder().parent_path(), fs::path(SavedGamesFolder()).parent_path());
    EXPECT_NE(AutosaveFolder(), fs::path(SavedGamesFolder()));

    // Beside a saved-games folder that is full, the slots neither show nor count.
    const fs::path save = folder.path("save");
    fs::create_directories(save);
    for (std::size_t k = 0; k + 1 < kMaxSavedGames; ++k) {
        std::ofstream(save / (std::to_string(k) + ".tsy"));
    }
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(1)));
    ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(2)));
    const std::vector<std::string> names = ListSavedGames(save.string());
    EXPECT_EQ(names.size(), kMaxSavedGames - 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), kAutosaveGameName), 0);
}

TEST_F(AutosaveSlotsTest, TheMarkerTellsAnInterruptedSessionWithAGame) {
    struct Row {
        bool isMarked;
        bool hasGame;
        bool isInterrupted;
    };
    for (const Row& row : {Row{true, true, true}, Row{true, false, false}, Row{false, true, false},
                           Row{false, false, false}}) {
        SCOPED_TRACE(::testing::Message() << row.isMarked << row.hasGame);
        fs::remove_all(root);
        if (row.hasGame) {
            ASSERT_TRUE(WriteAutosaveSlot(root, snapshot(1)));
        }
        if (row.isMarked) {
            ASSERT_TRUE(MarkSessionRunning(root));
        }
        EXPECT_EQ(WasSessionInterrupted(root), row.isInterrupted);
    }
    MarkSessionEnded(root);
    EXPECT_FALSE(WasSessionInterrupted(root));
}

}  // namespace
}  // namespace tessary
