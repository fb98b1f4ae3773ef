#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include "core/geometry.h"
#include "game/game_outcome.h"

namespace tessary {

struct Field;
struct GameSettings;
struct GameState;

/// A thread of its own that hands over synchronously through Platform::runOnMainThread to
/// create the elements (state.createAfterRotation) or finish the loaded game; every element is
/// touched on the main thread while the worker waits. Turned pieces are read from the upright
/// picture, so the thread has nothing to prepare before its hand-over. The main thread never joins
/// a worker whose hand-over may still be due: it waits until state.workerBusy is clear (handling
/// its events), then calls reap().
class RotationWorker {
public:
    /// Receives the outcome on the main thread, inside the hand-over: that of CreateElements
    /// or FinishLoadedGame.
    using Report = std::function<void(GameOutcome)>;

    RotationWorker() = default;
    RotationWorker(const RotationWorker&) = delete;
    RotationWorker& operator=(const RotationWorker&) = delete;
    /// Joins a worker still attached: call only when state.workerBusy is clear.
    ~RotationWorker();

    /// Starts a worker on the main thread: sets workerBusy and shows the busy cursor (the
    /// pointer is nudged by (+1, +1) so the cursor changes at once). Refused (false) while a
    /// worker is busy or when no thread can be started; the game is then left as it was.
    bool start(GameState& state, Field& field, GameSettings& settings, Report report);

    /// Joins a finished worker; false, doing nothing, while one still runs.
    bool reap();

private:
    void run(GameState& state, Field& field, GameSettings& settings, Point nudged,
             const Report& report);

    std::thread thread_;
    std::atomic<bool> isRunning_ = false;  // cleared as the worker thread's last act
};

}  // namespace tessary
