#pragma once

#include <string>
#include <string_view>

#include "game/game_outcome.h"
#include "game/rotation_worker.h"

namespace tessary {

struct Field;
struct GameSettings;
struct GameState;

/// How loading a saved game ended, and the file a format message names: the picture file for
/// PictureUnreadable, the game file for GameFileMissing, UnknownFormat, Damaged and the
/// out-of-memory outcomes of the build.
struct LoadGameResult {
    GameOutcome outcome = GameOutcome::Damaged;
    std::string path;
};

/// Loads the saved game `name` from `folder` in place of the current game, which is discarded
/// first with its picture. The picture file is read with the bitmap reader; the game file is
/// then read and checked in full, and must fit the picture, before anything is built. The
/// stored settings (not the window mode or the wheel settings) replace the current ones; the
/// window remakes its background from them afterwards. With rotateElements on, `worker`'s hand-over
/// finishes the game, reporting to `report`; should no worker start, it is finished here. On
/// failure the game is gone and, except for a missing game file, the picture too; the settings are
/// the player's own again. Outcomes: Loaded, Rotating (the worker reports Loaded or a failure
/// later), Busy, PictureUnreadable, GameFileMissing, UnknownFormat, Damaged, LoadOutOfMemory.
LoadGameResult LoadSavedGame(GameState& state, Field& field, GameSettings& settings,
                             RotationWorker& worker, RotationWorker::Report report,
                             std::string_view folder, std::string_view name);

}  // namespace tessary
