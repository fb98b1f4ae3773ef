#include "core/game_random.h"

#include <algorithm>
#include <ctime>

namespace tessary {

int GameRandom::next() {
    state_ = state_ * 214013u + 2531011u;  // unsigned: wraps modulo 2^32
    return static_cast<int>((state_ >> 16) & Max);
}

int LocalTimeSeconds() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 0;
    }
    // A leap second reads 60; the seed range stays 0..59.
    return std::clamp(local.tm_sec, 0, 59);
}

}  // namespace tessary
