#include "persist/save_game.h"

#include <gtest/gtest.h>

#include <ostream>

#include "persist/saved_game_reader.h"
#include "persist/saved_game_store.h"
#include "persist_fixtures.h"
#include "picture/bmp_reader.h"
#include "temp_folder.h"

namespace tessary {
namespace {

using testing::GameHarness;
using testing::ReadAll;
using testing::TempFolder;

class SaveGameTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(h.create(), GameOutcome::Created); }

    TempFolder folder;
    const std::string root = folder.path("save").string();
    GameHarness h{{.rotateElements = false}};
};

TEST_F(SaveGameTest, WritesBothFilesIntoANewFolder) {
    h.state.pictureName = "picture";
    h.now += 61;
    ASSERT_EQ(SaveGame(h.state, h.field, h.settings, root, "Лес"), SaveResult::Saved);
    EXPECT_EQ(ListSavedGames(root), std::vector<std::string>{"Лес"});

    const SavedGameReadResult read = ReadSavedGame(ReadAll(SavedGamePath(root, "Лес")));
    ASSERT_TRUE(read.isRead());
    EXPECT_EQ(read.game.stored.elapsedSeconds, 61);
    const LoadResult picture = LoadBmpFile(SavedPicturePath(root, "Лес"));
    ASSERT_TRUE(picture.isLoaded());
    EXPECT_TRUE(std::ranges::equal(picture.picture.pixels(), h.state.picture.pixels()));
    // Saving changes nothing of the game.
    EXPECT_EQ(h.state.pictureName, "picture");
    EXPECT_TRUE(h.state.clock.isRunning());
}

TEST_F(SaveGameTest, RefusedNameWritesNothing) {
    EXPECT_EQ(SaveGame(h.state, h.field, h.settings, root, "../escape"), SaveResult::InvalidName);
    EXPECT_EQ(SaveGame(h.state, h.field, h.settings, root, ".."), SaveResult::InvalidName);
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(SaveGameTest, CompletedGameIsNotInProgressAndWritesNothing) {
    h.state.gameComplete = true;
    EXPECT_EQ(SaveGame(h.state, h.field, h.settings, root, "g"), SaveResult::NoGameInProgress);
    EXPECT_TRUE(folder.names().empty());
}

struct FailureRow {
    const char* name;
    bool hasPicture;
    std::function<bool(std::ostream&)> writeGame;
    SaveResult result;
};

void PrintTo(const FailureRow& row, std::ostream* out) {
    *out << row.name;
}

class FailedSaveTest : public SaveGameTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(FailedSaveTest, LeavesThePreviousSaveIntact) {
    ASSERT_EQ(SaveGame(h.state, h.field, h.settings, root, "g"), SaveResult::Saved);
    const auto game = ReadAll(SavedGamePath(root, "g"));
    const auto picture = ReadAll(SavedPicturePath(root, "g"));

    const FailureRow& row = GetParam();
    const PictureBuffer empty;
    EXPECT_EQ(
        WriteSavedGameFiles(root, "g", row.hasPicture ? h.state.picture : empty, row.writeGame),
        row.result);
    EXPECT_EQ(ReadAll(SavedGamePath(root, "g")), game);
    EXPECT_EQ(ReadAll(SavedPicturePath(root, "g")), picture);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"g.bmp", "g.tsy"}));  // no temporary left
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailedSaveTest,
    ::testing::Values(FailureRow{"game_file_refused", true, [](std::ostream&) { return false; },
                                 SaveResult::GameFileFailed},
                      FailureRow{"game_file_half_written", true,
                                 [](std::ostream& out) {
                                     out << "half";
                                     out.setstate(std::ios::badbit);
                                     return true;
                                 },
                                 SaveResult::GameFileFailed},
                      FailureRow{"picture_unwritable", false,
                                 [](std::ostream& out) { return static_cast<bool>(out << "game"); },
                                 SaveResult::PictureFailed}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
