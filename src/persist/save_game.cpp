#include "persist/save_game.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "core/file_replace.h"
#include "field/field.h"
#include "game/game_state.h"
#include "persist/saved_game_store.h"
#include "persist/saved_game_writer.h"
#include "picture/bmp_writer.h"

namespace tessary {

namespace {

// Writes `write` into a temporary file beside path; true when it is complete.
bool WriteTemporary(FileReplacement& file, const std::function<bool(std::ostream&)>& write) {
    return file.isOpen() && write(file.stream()) && file.finish();
}

}  // namespace

SaveResult WriteSavedGameFiles(std::string_view folder, std::string_view name,
                               const PictureBuffer& picture,
                               const std::function<bool(std::ostream&)>& writeGame) {
    if (SavedGameNameProblem(name) != nullptr) {
        return SaveResult::InvalidName;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder), error);

    const std::string picturePath = SavedPicturePath(folder, name);
    std::optional<FileReplacement> pictureFile(std::in_place, picturePath);
    if (!WriteTemporary(*pictureFile,
                        [&](std::ostream& out) { return WritePictureBmp(out, picture); })) {
        // The export writer reads the picture pixel by pixel and may manage where the first
        // could not; it starts again on a fresh temporary file.
        pictureFile.emplace(picturePath);
        if (!WriteTemporary(*pictureFile,
                            [&](std::ostream& out) { return WriteBitmap24(out, picture); })) {
            return SaveResult::PictureFailed;
        }
    }
    FileReplacement gameFile(SavedGamePath(folder, name));
    if (!WriteTemporary(gameFile, writeGame)) {
        return SaveResult::GameFileFailed;
    }
    if (!pictureFile->commit()) {
        return SaveResult::PictureFailed;
    }
    if (!gameFile.commit()) {
        DeleteSavedGame(folder, name);  // the new picture beside the old game file
        return SaveResult::GameFileFailed;
    }
    return SaveResult::Saved;
}

SaveResult SaveGame(const GameState& state, const Field& field, const GameSettings& settings,
                    std::string_view folder, std::string_view name) {
    if (!state.isInProgress() || !state.elements) {
        return SaveResult::NoGameInProgress;
    }
    const SavedGameSource source = {state.plan,
                                    settings,
                                    *state.elements,
                                    {field.viewport.fieldWidth, field.viewport.fieldHeight},
                                    state.clock.elapsedSeconds()};
    return WriteSavedGameFiles(folder, name, state.picture,
                               [&](std::ostream& out) { return WriteSavedGame(out, source); });
}

}  // namespace tessary
