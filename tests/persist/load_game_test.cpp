#include "persist/load_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <utility>

#include "field/field_drawing.h"
#include "persist/save_game.h"
#include "persist/saved_game_store.h"
#include "persist_fixtures.h"
#include "picture/bmp_writer.h"
#include "temp_folder.h"

namespace tessary {
namespace {

using testing::GameFileBytes;
using testing::GameHarness;
using testing::HarnessOptions;
using testing::ReadAll;
using testing::TempFolder;

// A game half assembled and saved as "g" after 90 seconds.
class LoadGameTest : public ::testing::Test {
protected:
    void saveGame(const HarnessOptions& options) {
        h = std::make_unique<GameHarness>(options);
        ASSERT_EQ(h->create(), GameOutcome::Created);
        testing::AssembleTopRows(*h);
        h->now += 90;
        ASSERT_EQ(SaveGame(h->state, h->field, h->settings, root, "g"), SaveResult::Saved);
        saved = GameFileBytes(*h);
    }

    LoadGameResult load() {
        return LoadSavedGame(
            h->state, h->field, h->settings, worker,
            [this](GameOutcome outcome) { reports.push_back(outcome); }, root, "g");
    }

    // Rewrites the game file with header values replaced: {index, value}.
    void patchHeader(std::initializer_list<std::pair<int, std::int32_t>> values) {
        std::vector<std::uint8_t> bytes = saved;
        for (const auto& [index, value] : values) {
            for (int i = 0; i < 4; ++i) {
                bytes[12 + 4 * index + i] = static_cast<std::uint8_t>(value >> (8 * i));
            }
        }
        folder.write("g.tsy", bytes);
    }

    void expectNothingLoaded() {
        EXPECT_EQ(h->state.elements, nullptr);
        EXPECT_EQ(h->field.elements, nullptr);
        EXPECT_FALSE(h->state.elementsCreated);
        EXPECT_FALSE(h->state.pictureLoaded);
        EXPECT_TRUE(h->state.picture.isEmpty());
    }

    TempFolder folder;
    const std::string root = folder.path("").string();
    std::unique_ptr<GameHarness> h;
    std::vector<std::uint8_t> saved;
    RotationWorker worker;
    std::vector<GameOutcome> reports;
};

TEST_F(LoadGameTest, GivesBackTheSavedGameWithTheClockContinuing) {
    saveGame({.rotateElements = false});
    RedrawField(h->field, {.clear = true});
    const Bitmap32 fieldPicture = h->field.fieldPicture;
    h->settings.captureRange = 12;
    h->settings.fullScreen = 1;

    ASSERT_EQ(load().outcome, GameOutcome::Loaded);
    EXPECT_EQ(h->state.pictureName, "g");
    EXPECT_TRUE(h->state.isInProgress());
    EXPECT_EQ(h->settings.captureRange, 5);  // restored
    EXPECT_EQ(h->settings.fullScreen, 1);    // not restored
    EXPECT_EQ(h->field.fieldPicture, fieldPicture);
    EXPECT_EQ(h->state.clock.displayText(), "00:01:30");
    h->now += 10;
    EXPECT_EQ(h->state.clock.displayText(), "00:01:40");
    h->now -= 10;
    h->settings.fullScreen = 0;
    // Saving the loaded game gives the same file: every element field came back.
    const std::vector<std::uint8_t> again = GameFileBytes(*h);
    ASSERT_EQ(again.size(), saved.size());
    const auto [a, b] = std::mismatch(again.begin(), again.end(), saved.begin());
    EXPECT_EQ(a, again.end()) << "first difference at " << (a - again.begin());
}

TEST_F(LoadGameTest, AGameNotBuiltAfterAllGivesThePlayersSettingsBack) {
    saveGame({.rotateElements = false});
    h->settings.captureRange = 12;                           // the file stores 5
    h->platform.failAtStep = h->platform.progressSteps + 1;  // memory runs out while building
    ASSERT_EQ(load().outcome, GameOutcome::LoadOutOfMemory);
    EXPECT_EQ(h->settings.captureRange, 12);
    expectNothingLoaded();
}

TEST_F(LoadGameTest, TurnedGameIsFinishedByTheWorker) {
    saveGame({.rotateElements = true});
    ASSERT_EQ(load().outcome, GameOutcome::Rotating);
    h->platform.runHandOver();
    while (h->state.workerBusy) {
    }
    ASSERT_TRUE(worker.reap());
    EXPECT_EQ(reports, std::vector<GameOutcome>{GameOutcome::Loaded});
    EXPECT_TRUE(h->state.isInProgress());
    EXPECT_EQ(GameFileBytes(*h), saved);
}

TEST_F(LoadGameTest, StoredFieldSizeIsALowerBound) {
    saveGame({.rotateElements = false});
    // The 1024 x 768 screen holds the 5 x 4 grid.
    patchHeader({{18, 3000}, {19, 10}});
    ASSERT_EQ(load().outcome, GameOutcome::Loaded);
    EXPECT_EQ(h->field.viewport.fieldWidth, 3000);
    EXPECT_EQ(h->field.viewport.fieldHeight, 768);
}

TEST_F(LoadGameTest, GameWithUpperCaseExtensionsLoadsAndSavesInPlace) {
    saveGame({.rotateElements = false});
    std::filesystem::rename(folder.path("g.tsy"), folder.path("g.TSY"));
    std::filesystem::rename(folder.path("g.bmp"), folder.path("g.BMP"));
    ASSERT_EQ(load().outcome, GameOutcome::Loaded);
    EXPECT_EQ(GameFileBytes(*h), saved);
    ASSERT_EQ(SaveGame(h->state, h->field, h->settings, root, "g"), SaveResult::Saved);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"g.BMP", "g.TSY"}));
}

TEST_F(LoadGameTest, MissingPictureDiscardsTheGameAndNamesThePicture) {
    saveGame({.rotateElements = false});
    std::filesystem::remove(SavedPicturePath(root, "g"));
    const LoadGameResult result = load();
    EXPECT_EQ(result.outcome, GameOutcome::PictureUnreadable);
    EXPECT_EQ(result.path, SavedPicturePath(root, "g"));
    expectNothingLoaded();
}

TEST_F(LoadGameTest, NameLeadingOutOfTheFolderLoadsNothing) {
    saveGame({.rotateElements = false});
    std::filesystem::create_directory(folder.path("inner"));
    // Through the inner folder, "../g" would be the saved game "g".
    const LoadGameResult result = LoadSavedGame(
        h->state, h->field, h->settings, worker, [](GameOutcome) {}, folder.path("inner").string(),
        "../g");
    EXPECT_EQ(result.outcome, GameOutcome::PictureUnreadable);
    expectNothingLoaded();
}

TEST_F(LoadGameTest, MissingGameFileLeavesThePictureWithoutElements) {
    saveGame({.rotateElements = false});
    std::filesystem::remove(SavedGamePath(root, "g"));
    EXPECT_EQ(load().outcome, GameOutcome::GameFileMissing);
    EXPECT_TRUE(h->state.pictureLoaded);
    EXPECT_FALSE(h->state.pictureCut);
    EXPECT_FALSE(h->state.elementsCreated);
}

TEST_F(LoadGameTest, FlippedFirstByteIsAnUnknownFormatAndLeavesNoPicture) {
    saveGame({.rotateElements = false});
    std::vector<std::uint8_t> bytes = saved;
    bytes[0] ^= 0x80;
    folder.write("g.tsy", bytes);
    const LoadGameResult result = load();
    EXPECT_EQ(result.outcome, GameOutcome::UnknownFormat);
    EXPECT_EQ(result.path, SavedGamePath(root, "g"));
    expectNothingLoaded();
}

TEST_F(LoadGameTest, CutOffGameFileLoadsNothing) {
    saveGame({.rotateElements = false});
    for (std::size_t size : {std::size_t{8}, std::size_t{200}, saved.size() - 1}) {
        SCOPED_TRACE(size);
        folder.write("g.tsy", std::vector<std::uint8_t>(saved.begin(), saved.begin() + size));
        EXPECT_EQ(load().outcome, GameOutcome::Damaged);
        expectNothingLoaded();
    }
}

TEST_F(LoadGameTest, PictureOfAnotherSizeLoadsNothing) {
    saveGame({.rotateElements = false});
    ASSERT_TRUE(WritePictureBmp(std::filesystem::path(SavedPicturePath(root, "g")),
                                testing::MakeTestPicture(160, 127)));
    EXPECT_EQ(load().outcome, GameOutcome::Damaged);
    expectNothingLoaded();
}

}  // namespace
}  // namespace tessary
