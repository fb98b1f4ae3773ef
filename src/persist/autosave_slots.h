#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "persist/saved_game_writer.h"
#include "picture/picture_buffer.h"

namespace tessary {

// The automatic save keeps games in a folder of its own beside the saved-games folder, so
// that the saved-game dialogs never list them:
//
//   autosave/current/   the game last written: game.tsy, game.bmp (a saved game named "game")
//                       and about.txt (its identity and picture name)
//   autosave/previous/  the game the current slot held before another game replaced it
//   autosave/running    present while a session runs; a clean exit removes it
//
// A write builds the new slot whole in a folder beside the others, then moves folders by
// renames. Whatever moment a write is cut off at (a kill, a power cut, a full disk),
// RecoverAutosaveSlots leaves every slot either as it was or as the write made it.

/// The two slots.
enum class AutosaveSlot { Current, Previous };

/// The name every slot gives its saved game: LoadSavedGame(AutosaveSlotFolder(...), this).
inline constexpr const char* kAutosaveGameName = "game";

/// "autosave" beside SavedGamesFolder().
std::filesystem::path AutosaveFolder();

/// The folder of one slot inside `folder`.
std::filesystem::path AutosaveSlotFolder(const std::filesystem::path& folder, AutosaveSlot slot);

/// What a write puts into the current slot. Taken on the main thread; written on any.
struct AutosaveSnapshot {
    std::uint64_t gameId = 0;
    std::string pictureName;
    SavedGameSnapshot game;
    // The unturned picture; may be null when the current slot already holds this game, whose
    // picture never changes while the game lasts: the slot's picture file is then reused.
    std::shared_ptr<const PictureBuffer> picture;
};

/// Where a write is cut off, for tests of what a kill leaves: the write stops after this many
/// of its steps, leaving the folder as a kill would. Step 1 writes the new slot beside the
/// others, step 2 marks it complete by a rename; the remaining steps move folders.
inline constexpr int kAllAutosaveSteps = 1 << 30;

/// Writes the game into the current slot. When the slot held another game, that game becomes
/// the previous slot first and the previous one goes. Finishes an interrupted write first.
/// False, leaving both slots as they were, when a file cannot be written or no picture is to
/// be had (none given and the slot holds no picture of this game).
bool WriteAutosaveSlot(const std::filesystem::path& folder, const AutosaveSnapshot& snapshot,
                       int stepLimit = kAllAutosaveSteps);

/// Completes or discards a write that was cut off, so that each slot is a whole pair or
/// absent, and removes what is left of it.
void RecoverAutosaveSlots(const std::filesystem::path& folder);

/// Empties the current slot (a completed game needs no rescue); the previous slot stays.
/// False when the slot could not be removed.
bool ClearCurrentAutosaveSlot(const std::filesystem::path& folder);

/// What the restore dialog shows of a slot.
struct AutosaveSlotSummary {
    std::uint64_t gameId = 0;
    std::string pictureName;
    int pieceCount = 0;
    std::int64_t elapsedSeconds = 0;  // time played
    std::int64_t writtenAt = 0;       // when the game was last written: seconds since 1970 UTC
};

/// The slot's game when it holds one whose game file begins as a game file should; none for an
/// empty slot. Reads only the head of the game file.
std::optional<AutosaveSlotSummary> DescribeAutosaveSlot(const std::filesystem::path& folder,
                                                        AutosaveSlot slot);

/// Creates the marker of a running session; false when it cannot be created.
bool MarkSessionRunning(const std::filesystem::path& folder);
/// Removes the marker on a clean exit.
void MarkSessionEnded(const std::filesystem::path& folder);
/// The last session ended without a clean exit and left a game in the current slot. Asked at
/// start-up, after RecoverAutosaveSlots and before MarkSessionRunning.
bool WasSessionInterrupted(const std::filesystem::path& folder);

}  // namespace tessary
