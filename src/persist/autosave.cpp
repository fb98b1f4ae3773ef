#include "persist/autosave.h"

#include <utility>

#include "core/game_settings.h"
#include "field/field.h"
#include "game/game_state.h"

namespace tessary {

AutosaveSnapshot TakeAutosaveSnapshot(const GameState& state, const Field& field,
                                      const GameSettings& settings, bool withPicture) {
    AutosaveSnapshot snapshot;
    snapshot.gameId = state.gameId;
    snapshot.pictureName = state.pictureName;
    snapshot.game = TakeSavedGameSnapshot({state.plan,
                                           settings,
                                           *state.elements,
                                           {field.viewport.fieldWidth, field.viewport.fieldHeight},
                                           state.clock.elapsedSeconds()});
    if (withPicture) {
        snapshot.picture = std::make_shared<const PictureBuffer>(state.picture);
    }
    return snapshot;
}

Autosave::Autosave(std::filesystem::path folder, TimeSource now)
    : folder_(std::move(folder)), now_(std::move(now)) {}

bool Autosave::beginSession() {
    RecoverAutosaveSlots(folder_);
    const bool isInterrupted = WasSessionInterrupted(folder_);
    MarkSessionRunning(folder_);
    const auto current = DescribeAutosaveSlot(folder_, AutosaveSlot::Current);
    pictureHeldFor_ = current ? current->gameId : 0;
    return isInterrupted;
}

bool Autosave::endSession() {
    jobs_.waitUntilIdle();
    collectOutcomes();
    MarkSessionEnded(folder_);
    return policy_.failuresInARow() == 0;
}

void Autosave::follow(const GameState& state) {
    if (state.gameId != gameId_) {
        gameId_ = state.gameId;
        picture_.reset();
        policy_.gameStarted(now_());
    }
}

void Autosave::noteChange(const GameState& state) {
    follow(state);
    policy_.noteChange();
}

void Autosave::writeIfDue(const GameState& state, const Field& field,
                          const GameSettings& settings) {
    follow(state);
    collectOutcomes();
    if (state.elements && policy_.isDue(now_(), state.isInProgress())) {
        post(snapshotOf(state, field, settings));
    }
}

void Autosave::writeBeforeDiscard(const GameState& state, const Field& field,
                                  const GameSettings& settings) {
    follow(state);
    collectOutcomes();
    if (state.elements && policy_.isDueBeforeDiscard(state.isInProgress())) {
        post(snapshotOf(state, field, settings));
    }
}

AutosaveSnapshot Autosave::snapshotOf(const GameState& state, const Field& field,
                                      const GameSettings& settings) {
    // The picture is copied once per game: the copy serves every write until one succeeds,
    // and later writes reuse the slot's picture file.
    const bool needsPicture = state.gameId != pictureHeldFor_;
    AutosaveSnapshot snapshot =
        TakeAutosaveSnapshot(state, field, settings, needsPicture && !picture_);
    if (snapshot.picture) {
        picture_ = snapshot.picture;
    } else if (needsPicture) {
        snapshot.picture = picture_;
    }
    return snapshot;
}

void Autosave::post(AutosaveSnapshot snapshot) {
    policy_.writeStarted(now_());
    const std::uint64_t gameId = snapshot.gameId;
    jobs_.post(gameId, [folder = folder_, snapshot = std::move(snapshot)] {
        return WriteAutosaveSlot(folder, snapshot);
    });
}

void Autosave::collectOutcomes() {
    for (const BackgroundJobs::Outcome& outcome : jobs_.takeOutcomes()) {
        if (outcome.isDone) {
            pictureHeldFor_ = outcome.tag;
            if (outcome.tag == gameId_) {
                picture_.reset();
            }
        } else if (outcome.tag == pictureHeldFor_) {
            pictureHeldFor_ = 0;  // whatever failed, the next write brings the picture again
        }
        if (outcome.tag == gameId_) {
            policy_.writeFinished(outcome.isDone);
        }
    }
}

void Autosave::gameCompleted() {
    const std::filesystem::path folder = folder_;
    jobs_.post(0, [folder] { return ClearCurrentAutosaveSlot(folder); });
    pictureHeldFor_ = 0;
}

std::optional<AutosaveSlotSummary> Autosave::describe(AutosaveSlot slot) {
    jobs_.waitUntilIdle();
    collectOutcomes();
    return DescribeAutosaveSlot(folder_, slot);
}

LoadGameResult Autosave::restore(AutosaveSlot slot, GameState& state, Field& field,
                                 GameSettings& settings, RotationWorker& worker,
                                 RotationWorker::Report report) {
    follow(state);
    std::optional<AutosaveSnapshot> discarded;
    if (state.elements && policy_.isDueBeforeDiscard(state.isInProgress())) {
        discarded = snapshotOf(state, field, settings);
    }
    const std::optional<AutosaveSlotSummary> summary = describe(slot);
    const LoadGameResult result =
        LoadSavedGame(state, field, settings, worker, std::move(report),
                      AutosaveSlotFolder(folder_, slot).string(), kAutosaveGameName);
    // Read whole by now; the slots may change.
    if (discarded) {
        post(std::move(*discarded));
    }
    if (result.outcome == GameOutcome::Loaded || result.outcome == GameOutcome::Rotating) {
        if (summary) {
            state.pictureName = summary->pictureName;
        }
        if (summary && summary->gameId != 0) {
            state.gameId = summary->gameId;  // its writes go on in the slot it came from
        }
        follow(state);
    }
    return result;
}

int Autosave::failuresInARow() {
    collectOutcomes();
    return policy_.failuresInARow();
}

}  // namespace tessary
