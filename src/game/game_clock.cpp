#include "game/game_clock.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace tessary {

std::int64_t SystemTimeSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

void GameClock::start(std::int64_t base) {
    elapsedBase_ = base;
    clockStart_ = now_();
    isRunning_ = true;
}

void GameClock::stop() {
    if (!isRunning_)
        return;
    elapsedBase_ += now_() - clockStart_;
    isRunning_ = false;
}

void GameClock::reset(std::int64_t base) {
    elapsedBase_ = base;
    isRunning_ = false;
}

std::int64_t GameClock::elapsedSeconds() const {
    const std::int64_t e = isRunning_ ? elapsedBase_ + (now_() - clockStart_) : elapsedBase_;
    return std::max<std::int64_t>(e, 0);
}

std::string GameClock::displayText() const {
    return FormatElapsed(elapsedSeconds());
}

std::string FormatElapsed(std::int64_t seconds) {
    const auto e = static_cast<unsigned long long>(std::max<std::int64_t>(seconds, 0));
    char text[32];
    std::snprintf(text, sizeof text, "%02llu:%02u:%02u", e / 3600,
                  static_cast<unsigned>(e / 60 % 60), static_cast<unsigned>(e % 60));
    return text;
}

}  // namespace tessary
