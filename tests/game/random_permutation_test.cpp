#include "game/random_permutation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

#include "core/game_random.h"

namespace tessary {
namespace {

bool IsPermutation(std::vector<int> p) {
    std::sort(p.begin(), p.end());
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i] != static_cast<int>(i))
            return false;
    }
    return true;
}

// Seeds spread over the 32-bit range, so that runs do not start from neighbouring states.
unsigned SpreadSeed(unsigned i) {
    std::uint32_t x = i * 0x9E3779B9u;
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    return x ^ (x >> 13);
}

// Pearson's statistic of observed counts against an equal expectation.
double ChiSquare(const std::vector<int>& counts, double expected) {
    double sum = 0;
    for (int c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

TEST(RandomPermutationTest, IsAPermutationOfEverySize) {
    GameRandom random;
    for (int n : {0, 1, 2, 3, 20, 999, 40000}) {
        const std::vector<int> p = RandomPermutation(n, random, [] { return 11u; });
        EXPECT_EQ(p.size(), static_cast<std::size_t>(n));
        EXPECT_TRUE(IsPermutation(p)) << n;
    }
}

TEST(RandomPermutationTest, ReseedsFirstSoTheSameSeedGivesTheSameOrder) {
    GameRandom a;
    GameRandom b(12345);
    b.next();
    EXPECT_EQ(RandomPermutation(50, a, [] { return 42u; }),
              RandomPermutation(50, b, [] { return 42u; }));
    EXPECT_NE(RandomPermutation(50, a, [] { return 42u; }),
              RandomPermutation(50, a, [] { return 43u; }));
}

TEST(RandomPermutationTest, AllOrdersOfFourAreEquallyLikely) {
    GameRandom random;
    std::vector<int> counts(24, 0);
    const int runs = 24000;
    for (int i = 0; i < runs; ++i) {
        std::vector<int> p = RandomPermutation(4, random, [i] { return SpreadSeed(i); });
        // Rank of the order among the 24.
        int rank = 0;
        for (int k = 0; k < 4; ++k) {
            const auto smaller =
                std::count_if(p.begin() + k + 1, p.end(), [&](int v) { return v < p[k]; });
            rank = rank * (4 - k) + static_cast<int>(smaller);
        }
        ++counts[rank];
    }
    EXPECT_LT(ChiSquare(counts, runs / 24.0), 49.7);  // 23 degrees of freedom, p = 0.001
}

TEST(RandomPermutationTest, LargeGridsReachEveryPartOfTheRangeEvenly) {
    // With 100,000 elements a single draw of 0..32767 could never pick most cells.
    const int n = 100000;
    GameRandom random;
    std::vector<int> counts(10, 0);
    const int runs = 40, perRun = 100;
    for (int i = 0; i < runs; ++i) {
        const std::vector<int> p = RandomPermutation(n, random, [i] { return SpreadSeed(i); });
        for (int k = 0; k < perRun; ++k)
            ++counts[p[k] / (n / 10)];
    }
    EXPECT_LT(ChiSquare(counts, runs * perRun / 10.0), 27.9);  // 9 degrees of freedom
}

}  // namespace
}  // namespace tessary
