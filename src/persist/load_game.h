#pragma once

#include <string>
#include <string_view>

#include "game/rotation_worker.h"

namespace tessary {

struct Field;
struct GameSettings;
struct GameState;

/// How loading a saved game ended; `path` names the file of a format message.
enum class LoadOutcome {
    Loaded,             // the game is Playing
    Busy,               // a worker is turning the picture: nothing was changed
    Rotating,           // the worker turns the picture and finishes the game; it reports then
    PictureUnreadable,  // picture file missing or unreadable: kUnknownFormatMessage with path
    GameFileMissing,    // no game file: the picture stays loaded without elements, no message
    UnknownFormat,      // the game file is not ours: kUnknownFormatMessage with path
    Damaged,            // the game file is cut off or inconsistent: no message
    OutOfMemory,        // kOutOfMemoryMessage
};

/// The outcome and the file a message names.
struct LoadGameResult {
    LoadOutcome outcome = LoadOutcome::Damaged;
    std::string path;
};

/// Loads the saved game `name` from `folder` in place of the current game, which is discarded
/// first with its picture. The picture file is read with the bitmap reader; the game file is
/// then read and checked in full, and must fit the picture, before anything is built. The
/// stored settings (not the window mode or the wheel settings) replace the current ones; the
/// window remakes its background from them afterwards. With rotateElements on, `worker` turns
/// the picture and finishes the game, reporting to `report`; should no worker start, the
/// picture is turned here. On failure the game is gone and, except for a missing game file,
/// the picture too; the settings are the player's own again.
LoadGameResult LoadSavedGame(GameState& state, Field& field, GameSettings& settings,
                             RotationWorker& worker, RotationWorker::Report report,
                             std::string_view folder, std::string_view name);

}  // namespace tessary
