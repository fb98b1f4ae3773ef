// Turned pieces show the picture turned, whether the game was cut with turning or without (the
// wheel turns pieces in both), new or loaded, single or in a block, and a saved turned block
// comes back as it was.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/element_set.h"
#include "field/field_drawing.h"
#include "field/render_element_image.h"
#include "field/rotation.h"
#include "persist/load_game.h"
#include "persist/save_game.h"
#include "persist_fixtures.h"
#include "picture/rotate_picture.h"
#include "temp_folder.h"
#include "turned_copy_render.h"

namespace tessary {
namespace {

using testing::AssembleTopRows;
using testing::GameHarness;
using testing::TempFolder;

struct GameRow {
    const char* name;
    bool rotateElements;  // the cut turns pieces
    bool isLoaded;        // the game is saved and loaded before the pieces are turned
};

// A game to turn pieces in, with a folder to save it in.
class TurnedGame {
public:
    // A new game with its top two rows joined into one block.
    void createGame(bool rotateElements) {
        h = std::make_unique<GameHarness>(
            testing::HarnessOptions{.rotateElements = rotateElements});
        ASSERT_EQ(h->create(), GameOutcome::Created);
        AssembleTopRows(*h);
        ASSERT_FALSE(h->state.elements->element(0).alone);
    }

    // Saves the game as "g" and loads it again, through the worker when the cut turns pieces.
    void saveAndLoad() {
        ASSERT_EQ(SaveGame(h->state, h->field, h->settings, root, "g"), SaveResult::Saved);
        const LoadGameResult loaded = LoadSavedGame(
            h->state, h->field, h->settings, worker, [](GameOutcome) {}, root, "g");
        if (loaded.outcome == GameOutcome::Rotating) {
            h->platform.runHandOver();
            while (h->state.workerBusy) {
            }
            ASSERT_TRUE(worker.reap());
        } else {
            ASSERT_EQ(loaded.outcome, GameOutcome::Loaded);
        }
        ASSERT_TRUE(h->state.isInProgress());
    }

    // The elements whose images differ from a render out of real turned copies of the picture.
    std::vector<int> wronglyRenderedElements() {
        TurnedPictures copies;
        EXPECT_TRUE(BuildRotatedPictures(h->state.picture, copies));
        const ElementSet& set = *h->state.elements;
        std::vector<int> wrong;
        for (int k = 0; k < set.elementCount(); ++k) {
            const std::uint32_t contour = ContourPixel(h->settings);
            if (ImageFromTurnedCopy(set.element(k), set, h->state.picture, copies, contour) !=
                RenderElementImage(set.element(k), set, h->state.picture, contour))
                wrong.push_back(k);
        }
        return wrong;
    }

    Bitmap32 redrawnField() {
        RedrawField(h->field, {.clear = true});
        return h->field.fieldPicture;
    }

    TempFolder folder;
    const std::string root = folder.path("").string();
    std::unique_ptr<GameHarness> h;
    RotationWorker worker;
};

class TurnedPiecesTest : public ::testing::TestWithParam<GameRow>, protected TurnedGame {};

TEST_P(TurnedPiecesTest, EveryTurnShowsThePictureTurned) {
    const GameRow& row = GetParam();
    createGame(row.rotateElements);
    if (row.isLoaded)
        saveAndLoad();
    const int single = 2 * h->state.plan.columns;  // below the block, alone
    for (int turns = 1; turns <= 3; ++turns) {
        h->pointAt(single);
        ASSERT_TRUE(RotateSingle(h->field, +1));  // a double-click with Shift
        h->pointAt(0);
        ASSERT_TRUE(RotateBlock(h->field, -1));  // the wheel, or a plain double-click
        EXPECT_EQ(wronglyRenderedElements(), std::vector<int>()) << turns << " turns";
    }
}

INSTANTIATE_TEST_SUITE_P(Games, TurnedPiecesTest,
                         ::testing::Values(GameRow{"CutWithTurningNew", true, false},
                                           GameRow{"CutWithTurningLoaded", true, true},
                                           GameRow{"CutWithoutTurningNew", false, false},
                                           GameRow{"CutWithoutTurningLoaded", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The parameter: the cut turns pieces.
class TurnedBlockTest : public ::testing::TestWithParam<bool>, protected TurnedGame {};

TEST_P(TurnedBlockTest, IsLoadedAsItWasSaved) {
    createGame(GetParam());
    h->pointAt(0);
    ASSERT_TRUE(RotateBlock(h->field, +1));
    const Bitmap32 saved = redrawnField();
    saveAndLoad();
    EXPECT_EQ(wronglyRenderedElements(), std::vector<int>());
    EXPECT_EQ(redrawnField(), saved);
}

INSTANTIATE_TEST_SUITE_P(Cuts, TurnedBlockTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "CutWithTurning" : "CutWithoutTurning");
});

}  // namespace
}  // namespace tessary
