#include "game/game_clock.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

struct FormatRow {
    const char* name;
    std::int64_t seconds;
    const char* text;
};

class FormatElapsedTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatElapsedTest, ShowsTotalHoursMinutesSeconds) {
    EXPECT_EQ(FormatElapsed(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatElapsedTest,
                         ::testing::Values(FormatRow{"nothing_yet", 0, "00:00:00"},
                                           FormatRow{"one_hour_two_minutes_five", 3725, "01:02:05"},
                                           FormatRow{"a_day_an_hour_a_minute_a_second", 90061,
                                                     "25:01:01"},
                                           FormatRow{"hundred_hours", 360000, "100:00:00"},
                                           FormatRow{"clock_set_back_below_zero", -5, "00:00:00"}),
                         [](const auto& info) { return std::string(info.param.name); });

class GameClockTest : public ::testing::Test {
protected:
    std::int64_t now = 1'700'000'000;
    GameClock clock{[this] { return now; }};
};

TEST_F(GameClockTest, CountsWallClockSecondsFromItsStart) {
    EXPECT_EQ(clock.displayText(), "00:00:00");
    clock.start(0);
    now += 3725;
    EXPECT_TRUE(clock.isRunning());
    EXPECT_EQ(clock.displayText(), "01:02:05");
}

TEST_F(GameClockTest, TenMinutesOfPauseShowTheSameTimeAfterwards) {
    clock.start(0);
    now += 125;
    const std::string before = clock.displayText();
    clock.stop();
    now += 600;
    clock.resume();
    EXPECT_EQ(clock.displayText(), before);
    now += 1;
    EXPECT_EQ(clock.displayText(), "00:02:06");
}

TEST_F(GameClockTest, StoppingKeepsTheFinalTimeUntilReset) {
    clock.start(0);
    now += 90;
    clock.stop();
    now += 1000;
    EXPECT_FALSE(clock.isRunning());
    EXPECT_EQ(clock.elapsedSeconds(), 90);
    clock.reset();
    EXPECT_EQ(clock.displayText(), "00:00:00");
}

TEST_F(GameClockTest, LoadedGameContinuesFromItsStoredSeconds) {
    clock.reset(3600);
    EXPECT_EQ(clock.displayText(), "01:00:00");
    now += 50;  // the rebuild takes time; the clock is not running yet
    clock.start(clock.elapsedSeconds());
    now += 30;
    EXPECT_EQ(clock.displayText(), "01:00:30");
}

}  // namespace
}  // namespace tessary
