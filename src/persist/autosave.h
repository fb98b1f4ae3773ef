#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "game/game_clock.h"
#include "game/rotation_worker.h"
#include "persist/autosave_policy.h"
#include "persist/autosave_slots.h"
#include "persist/background_jobs.h"
#include "persist/load_game.h"

namespace tessary {

struct Field;
struct GameSettings;
struct GameState;

/// Copies, on the thread that owns the game, what a slot write needs of the game in progress:
/// the game file's tables and, with `withPicture`, a copy of the unturned picture.
AutosaveSnapshot TakeAutosaveSnapshot(const GameState& state, const Field& field,
                                      const GameSettings& settings, bool withPicture);

/// The automatic save of the window's game. Every call comes from the window's thread; the
/// files are written on a thread of its own, from copies, so the game may go on or be
/// discarded at once. A failed write shows nothing: it is tried again at the next occasion.
class Autosave {
public:
    explicit Autosave(std::filesystem::path folder = AutosaveFolder(),
                      TimeSource now = SystemTimeSeconds);
    /// Waits for the writes still running.
    ~Autosave() = default;
    Autosave(const Autosave&) = delete;
    Autosave& operator=(const Autosave&) = delete;

    /// At start-up: finishes or undoes a write that the end of the last session cut off, and
    /// marks this session as running. True when the last session ended without a clean exit
    /// and left a game in the current slot: the window offers to continue it.
    bool beginSession();
    /// At a clean exit, after writeBeforeDiscard: waits for the writes and removes the mark.
    /// False when the game's last write failed; the window reports that once.
    bool endSession();

    /// The game changed: a move, a join, a turn (not the clock).
    void noteChange(const GameState& state);
    /// At every occasion (the window's timer, after a move): writes the game when due.
    void writeIfDue(const GameState& state, const Field& field, const GameSettings& settings);
    /// Before a command, the window's closing or a signal discards the game: writes it when it
    /// changed since its last write.
    void writeBeforeDiscard(const GameState& state, const Field& field,
                            const GameSettings& settings);
    /// The picture is assembled: the current slot is emptied after the writes before it.
    void gameCompleted();

    /// What the restore dialog shows of a slot; none for an empty slot. Waits for the writes.
    std::optional<AutosaveSlotSummary> describe(AutosaveSlot slot);
    /// Loads a slot's game as the load-game command loads a saved game (the same outcomes),
    /// under its picture name and its identity. The game in progress, if it changed since its
    /// last write, is written to the slot after the load, so that choosing either slot works.
    LoadGameResult restore(AutosaveSlot slot, GameState& state, Field& field,
                           GameSettings& settings, RotationWorker& worker,
                           RotationWorker::Report report);

    /// Writes that failed since the last that succeeded.
    int failuresInARow();

private:
    // Follows the game the window holds: a new one starts the policy afresh.
    void follow(const GameState& state);
    // The game's snapshot, with the picture when the current slot does not hold it.
    AutosaveSnapshot snapshotOf(const GameState& state, const Field& field,
                                const GameSettings& settings);
    void post(AutosaveSnapshot snapshot);
    void collectOutcomes();

    std::filesystem::path folder_;
    TimeSource now_;
    AutosavePolicy policy_;
    std::uint64_t gameId_ = 0;  // the game followed
    // The game whose picture the current slot holds, as far as written: its writes reuse it.
    std::uint64_t pictureHeldFor_ = 0;
    // The copy of the followed game's picture until a write of it succeeds, shared by its
    // writes so that it is copied once.
    std::shared_ptr<const PictureBuffer> picture_;
    BackgroundJobs jobs_;  // last: its thread ends before the rest goes
};

}  // namespace tessary
