#pragma once

#include <cstdint>

namespace tessary {

/// The game's pseudo-random source: the classic linear congruential generator
/// state = state * 214013 + 2531011 (mod 2^32), result = (state >> 16) & 0x7FFF, so one seed
/// gives the same sequence on every platform.
class GameRandom {
public:
    static constexpr int Max = 0x7FFF;

    /// Starts from seed 1, the state of an unseeded standard generator.
    GameRandom() = default;
    explicit GameRandom(uint32_t seed) : state_(seed) {}

    /// Restarts the sequence: the state becomes seed.
    void reseed(uint32_t seed) { state_ = seed; }

    /// The next value, 0..Max.
    int next();

private:
    uint32_t state_ = 1;
};

/// Seconds field (0..59) of the current local time: the seed of each table of a new game.
int LocalTimeSeconds();

}  // namespace tessary
