#include "core/game_random.h"

#include <gtest/gtest.h>

#include <array>

namespace tessary {
namespace {

std::array<int, 5> FirstFive(GameRandom& random) {
    std::array<int, 5> values{};
    for (int& value : values) {
        value = random.next();
    }
    return values;
}

TEST(GameRandomTest, SeedOneGivesTheClassicSequence) {
    GameRandom random(1);
    EXPECT_EQ(FirstFive(random), (std::array<int, 5>{41, 18467, 6334, 26500, 19169}));
}

TEST(GameRandomTest, UnseededGeneratorStartsLikeSeedOne) {
    GameRandom random;
    EXPECT_EQ(FirstFive(random), (std::array<int, 5>{41, 18467, 6334, 26500, 19169}));
}

TEST(GameRandomTest, StateWrapsModulo2To32) {
    GameRandom random(0xFFFFFFFFu);
    EXPECT_EQ(random.next(), 35);
    EXPECT_EQ(random.next(), 29739);
    EXPECT_EQ(random.next(), 3374);
}

TEST(GameRandomTest, ReseedRestartsTheSequence) {
    GameRandom random(5);
    random.next();
    random.next();
    random.reseed(37);
    EXPECT_EQ(random.next(), 159);
    EXPECT_EQ(random.next(), 12194);
    EXPECT_EQ(random.next(), 26852);
}

}  // namespace
}  // namespace tessary
