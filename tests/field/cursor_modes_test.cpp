#include "field/cursor_modes.h"

#include <gtest/gtest.h>

#include <string>

namespace tessary {
namespace {

constexpr std::int64_t kHintUp = 5000;  // when the hint cursor went up, where it is up

struct ModesRow {
    const char* name;
    int busySpans;         // begun and not ended
    bool isHintUp;         // the hint cursor went up at kHintUp
    std::int64_t elapsed;  // since kHintUp, when the cursor is shown
    bool isCapturing;
    bool isHolding;
    CursorShape expected;
};

class CursorModePriorityTest : public ::testing::TestWithParam<ModesRow> {};

TEST_P(CursorModePriorityTest, TheMostImportantModeShows) {
    const ModesRow& row = GetParam();
    CursorModes modes;
    int changes = 0;
    modes.onChange = [&changes] { ++changes; };
    for (int i = 0; i < row.busySpans; ++i)
        modes.beginBusy();
    if (row.isHintUp)
        modes.showHint(true, kHintUp);
    modes.setCapturing(row.isCapturing);
    modes.setHolding(row.isHolding);
    EXPECT_EQ(modes.shapeAt(kHintUp + row.elapsed), row.expected);
    EXPECT_EQ(changes, row.busySpans + (row.isHintUp ? 1 : 0) + 2) << "every change is told";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CursorModePriorityTest,
    ::testing::Values(ModesRow{"NoMode", 0, false, 0, false, false, CursorShape::Arrow},
                      ModesRow{"Holding", 0, false, 0, false, true, CursorShape::Hidden},
                      ModesRow{"CaptureOverHolding", 0, false, 0, true, true, CursorShape::Capture},
                      ModesRow{"HintOverCapture", 0, true, 0, true, true, CursorShape::Hint},
                      ModesRow{"HintAtOneSecond", 0, true, 1000, false, false, CursorShape::Hint},
                      ModesRow{"HintGoneJustAfter", 0, true, 1001, false, true,
                               CursorShape::Hidden},
                      ModesRow{"BusyOverEverything", 1, true, 0, true, true, CursorShape::Busy},
                      ModesRow{"NestedBusy", 2, false, 0, false, false, CursorShape::Busy}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CursorModesTest, BusyLastsUntilEverySpanHasEnded) {
    CursorModes modes;
    modes.setHolding(true);
    modes.beginBusy();  // the worker
    {
        const BusyScope redraw(modes);  // a redraw while it works
        EXPECT_EQ(modes.shapeAt(0), CursorShape::Busy);
    }
    modes.setHolding(false);  // a release while it works
    EXPECT_EQ(modes.shapeAt(0), CursorShape::Busy);
    modes.endBusy();
    EXPECT_EQ(modes.shapeAt(0), CursorShape::Arrow);
}

TEST(CursorModesTest, AHintEndedAtOnceNoLongerShows) {
    CursorModes modes;
    modes.showHint(false, kHintUp);
    EXPECT_EQ(modes.shapeAt(kHintUp), CursorShape::NoHint);
    EXPECT_EQ(modes.hintTimeLeft(kHintUp + 400), kHintCursorMilliseconds + 1 - 400);
    modes.endHint();
    EXPECT_EQ(modes.shapeAt(kHintUp), CursorShape::Arrow);
    EXPECT_EQ(modes.hintTimeLeft(kHintUp), 0);
}

}  // namespace
}  // namespace tessary
