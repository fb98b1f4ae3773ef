#include "game/random_permutation.h"

#include <cstdint>
#include <numeric>
#include <utility>

#include "core/game_random.h"

namespace tessary {
namespace {

constexpr int kDrawBits = 15;  // GameRandom::next() gives 0..2^15-1

// A uniformly random value 0..bound-1, 1 <= bound <= 2^31.
std::uint32_t UniformBelow(std::uint32_t bound, GameRandom& random) {
    // Enough whole draws to cover the range, then rejection of the top part that a multiple
    // of bound does not fill, so every value is equally likely.
    int draws = 1;
    while (draws * kDrawBits < 32 && (std::uint64_t{1} << (draws * kDrawBits)) < bound)
        ++draws;
    const std::uint64_t span = std::uint64_t{1} << (draws * kDrawBits);
    const std::uint64_t limit = span - span % bound;
    for (;;) {
        std::uint64_t value = 0;
        for (int i = 0; i < draws; ++i)
            value = value << kDrawBits | static_cast<std::uint64_t>(random.next());
        if (value < limit)
            return static_cast<std::uint32_t>(value % bound);
    }
}

}  // namespace

std::vector<int> RandomPermutation(int n, GameRandom& random, const SeedSource& seed) {
    random.reseed(seed());
    std::vector<int> p(n > 0 ? n : 0);
    std::iota(p.begin(), p.end(), 0);
    for (int i = n - 1; i > 0; --i) {
        const auto j = UniformBelow(static_cast<std::uint32_t>(i) + 1, random);
        std::swap(p[i], p[j]);
    }
    return p;
}

}  // namespace tessary
