#include "game/rotation_worker.h"

#include <exception>

#include "core/game_settings.h"
#include "field/field.h"
#include "field/platform.h"
#include "game/create_elements.h"
#include "game/game_state.h"

namespace tessary {

RotationWorker::~RotationWorker() {
    if (thread_.joinable())
        thread_.join();
}

bool RotationWorker::start(GameState& state, Field& field, GameSettings& settings, Report report) {
    if (state.workerBusy || !reap())
        return false;
    state.workerBusy = true;
    Platform& platform = field.platform;
    const Point pointer = platform.pointerPosition();
    field.cursor.beginBusy();
    const Point nudged = {pointer.x + 1, pointer.y + 1};
    platform.movePointer(nudged);
    isRunning_ = true;
    try {
        thread_ =
            std::thread([this, &state, &field, &settings, nudged, report = std::move(report)] {
                run(state, field, settings, nudged, report);
            });
    } catch (const std::exception&) {  // no thread: system_error or bad_alloc
        isRunning_ = false;
        field.cursor.endBusy();
        state.workerBusy = false;
        return false;
    }
    return true;
}

bool RotationWorker::reap() {
    if (!thread_.joinable())
        return true;
    if (isRunning_)
        return false;
    // Past its last act the thread only returns, so the join cannot wait on a hand-over.
    thread_.join();
    return true;
}

void RotationWorker::run(GameState& state, Field& field, GameSettings& settings, Point nudged,
                         const Report& report) {
    Platform& platform = field.platform;
    platform.runOnMainThread([&] {
        const GameOutcome outcome = state.createAfterRotation
                                        ? CreateElements(state, field, settings)
                                        : FinishLoadedGame(state, field);
        field.cursor.endBusy();
        platform.movePointer(nudged);
        report(outcome);
    });
    isRunning_ = false;
    state.workerBusy = false;  // the last act: once the window sees it clear, reap() joins
}

}  // namespace tessary
