#pragma once

#include <cstdint>

namespace tessary {

/// When the automatic save writes the game in progress. It is told of the game's changes and
/// of the writes, and asked with the time in seconds (any clock that does not go back).
/// During play a write is due once something changed and two minutes have passed since the
/// last write began; before the game is discarded, as soon as something changed since then.
/// A write that fails leaves its changes due, so the next occasion writes them again.
class AutosavePolicy {
public:
    static constexpr std::int64_t kIntervalSeconds = 120;

    /// A game began at `now` (created, loaded or restored): nothing of it needs writing yet,
    /// and the interval counts from now.
    void gameStarted(std::int64_t now);
    /// The game changed: a move, a join, a turn; not the clock.
    void noteChange() { isChanged_ = true; }

    /// A write is due during play.
    bool isDue(std::int64_t now, bool isInProgress) const;
    /// A write is due before the game is discarded (a command, the window closing, a signal).
    bool isDueBeforeDiscard(bool isInProgress) const { return isInProgress && isChanged_; }

    /// The game as it stands was handed to the writer at `now`.
    void writeStarted(std::int64_t now);
    /// The writer finished that write; on failure its changes are due again.
    void writeFinished(bool isWritten);
    /// Writes that failed since the last that succeeded: the window reports one on exit.
    int failuresInARow() const { return failuresInARow_; }

private:
    bool isChanged_ = false;
    std::int64_t lastWrite_ = 0;  // when the last write began, or the game started
    int failuresInARow_ = 0;
};

}  // namespace tessary
