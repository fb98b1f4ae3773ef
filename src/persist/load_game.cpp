#include "persist/load_game.h"

#include <fstream>
#include <new>

#include "core/game_settings.h"
#include "field/field.h"
#include "game/create_elements.h"
#include "game/game_state.h"
#include "persist/saved_game_reader.h"
#include "persist/saved_game_store.h"
#include "picture/bmp_reader.h"

namespace tessary {

namespace {

// The picture of a saved game is the cut picture: the grid's exact size.
bool FitsPicture(const SavedGameHeader& header, const PictureBuffer& picture) {
    return picture.width() == header.columns * header.elementSize &&
           picture.height() == header.rows * header.elementSize;
}

// Finishes the rebuilt game: through the worker's hand-over when the game turns pieces and a
// worker starts, else here.
GameOutcome Finish(GameState& state, Field& field, GameSettings& settings, RotationWorker& worker,
                   RotationWorker::Report report) {
    if (settings.rotateElements == 0) {
        return FinishLoadedGame(state, field);
    }
    state.createAfterRotation = false;
    if (worker.start(state, field, settings, std::move(report))) {
        return GameOutcome::Rotating;
    }
    return FinishLoadedGame(state, field);
}

LoadGameResult Load(GameState& state, Field& field, GameSettings& settings, RotationWorker& worker,
                    RotationWorker::Report report, std::string_view folder, std::string_view name) {
    if (!state.canChangeGame()) {
        return {GameOutcome::Busy, {}};
    }
    ResetGame(state, field, true);
    state.pictureName = std::string(name);

    // A name that could lead out of the folder names no saved game.
    const std::string picturePath = SavedPicturePath(folder, name);
    if (SavedGameNameProblem(name) != nullptr) {
        return {GameOutcome::PictureUnreadable, picturePath};
    }
    LoadResult picture = LoadBmpFile(picturePath);
    if (!picture.isLoaded()) {
        return {
            picture.isOutOfMemory ? GameOutcome::LoadOutOfMemory : GameOutcome::PictureUnreadable,
            picturePath};
    }
    state.picture = std::move(picture.picture);
    state.pictureLoaded = true;
    state.pictureCut = false;
    state.gameComplete = false;
    state.plan.pictureWidth = state.picture.width();
    state.plan.pictureHeight = state.picture.height();

    const std::string gamePath = SavedGamePath(folder, name);
    std::ifstream in(gamePath, std::ios::binary);
    if (!in.is_open()) {
        return {GameOutcome::GameFileMissing, gamePath};
    }
    const SavedGameReadResult read = ReadSavedGame(in);
    in.close();
    if (!read.isRead() || !FitsPicture(read.game.header, state.picture)) {
        ResetGame(state, field, true);
        return {read.status == SavedGameStatus::UnknownFormat ? GameOutcome::UnknownFormat
                                                              : GameOutcome::Damaged,
                gamePath};
    }

    RestoreSavedGameSettings(read.game.header, state.plan, settings);
    state.pictureCut = true;
    const GameOutcome built = BuildLoadedGame(state, field, settings, read.game.stored);
    if (built != GameOutcome::Loaded) {
        return {built, gamePath};
    }
    return {Finish(state, field, settings, worker, std::move(report)), gamePath};
}

}  // namespace

LoadGameResult LoadSavedGame(GameState& state, Field& field, GameSettings& settings,
                             RotationWorker& worker, RotationWorker::Report report,
                             std::string_view folder, std::string_view name) {
    // The stored settings are put in force before the game is rebuilt; a game that is not
    // built after all gives the player's own settings back.
    const GameSettings playerSettings = settings;
    LoadGameResult result;
    try {
        result = Load(state, field, settings, worker, std::move(report), folder, name);
    } catch (const std::bad_alloc&) {
        ResetGame(state, field, true);
        result = {GameOutcome::LoadOutOfMemory, {}};
    }
    if (result.outcome != GameOutcome::Loaded && result.outcome != GameOutcome::Rotating) {
        settings = playerSettings;
    }
    return result;
}

}  // namespace tessary
