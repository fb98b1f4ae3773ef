#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tessary {

/// Gives the current wall-clock time in whole seconds since 1970-01-01 UTC.
using TimeSource = std::function<std::int64_t()>;

/// The wall-clock time of the system.
std::int64_t SystemTimeSeconds();

/// The play time of one game in whole seconds, pauses excluded. Elapsed time while running is
/// elapsedBase + (now - clockStart); while stopped it is elapsedBase. The window's one-second
/// timer only asks for the display text.
class GameClock {
public:
    explicit GameClock(TimeSource now = SystemTimeSeconds) : now_(std::move(now)) {}

    /// Starts counting from `base` seconds.
    void start(std::int64_t base);
    /// Stops counting; the elapsed time stays as it was at this moment.
    void stop();
    /// Stopped at `base` seconds ("00:00:00" for 0).
    void reset(std::int64_t base = 0);
    /// Continues counting from the time held while stopped (after a pause).
    void resume() { start(elapsedBase_); }

    bool isRunning() const { return isRunning_; }
    /// The elapsed time now; never negative, even when the system clock was set back.
    std::int64_t elapsedSeconds() const;
    /// The elapsed time as the timer display shows it.
    std::string displayText() const;

private:
    TimeSource now_;
    std::int64_t clockStart_ = 0;
    std::int64_t elapsedBase_ = 0;
    bool isRunning_ = false;
};

/// Total hours, minutes and seconds, each at least two digits: 3725 -> "01:02:05",
/// 360000 -> "100:00:00". Negative counts show as "00:00:00".
std::string FormatElapsed(std::int64_t seconds);

}  // namespace tessary
