#pragma once

#include <functional>
#include <iosfwd>
#include <string_view>

namespace tessary {

class PictureBuffer;
struct Field;
struct GameSettings;
struct GameState;

/// How writing a saved game ended.
enum class SaveResult {
    Saved,
    NoGameInProgress,  // there was nothing to save; nothing was written
    InvalidName,       // SavedGameNameProblem refused the name; nothing was written
    PictureFailed,     // the picture file could not be written
    GameFileFailed,    // the game file could not be written
};

/// Writes a saved game's pair of files into `folder` (created when missing): the picture file
/// first (as it is held, or as a 24-bit bitmap when that fails), then the game file through
/// `writeGame`. Both go to temporary files beside the old pair and replace it only when both
/// are complete, so a failed save leaves an earlier save of that name as it was. Should the
/// second replacement fail after the first, the mismatched pair is deleted.
SaveResult WriteSavedGameFiles(std::string_view folder, std::string_view name,
                               const PictureBuffer& picture,
                               const std::function<bool(std::ostream&)>& writeGame);

/// Saves the game in progress under `name`: the unturned picture and the game file with the
/// clock's elapsed time as it stands (the caller has folded the running clock into it). The
/// game itself is not changed, its name included. A game not in progress (none, or complete)
/// writes nothing.
SaveResult SaveGame(const GameState& state, const Field& field, const GameSettings& settings,
                    std::string_view folder, std::string_view name);

}  // namespace tessary
