#include "game/rotation_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game_harness.h"

namespace tessary {
namespace {

using testing::GameHarness;

// The window's wait for a finished worker: until workerBusy clears, then reap.
void WaitAndReap(GameHarness& h, RotationWorker& worker) {
    while (h.state.workerBusy)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(worker.reap());
}

TEST(RotationWorkerTest, CreatesTheGameOnTheMainThreadInItsHandOver) {
    GameHarness h;
    RotationWorker worker;
    std::vector<GameOutcome> reports;
    const std::thread::id mainThread = std::this_thread::get_id();
    std::thread::id reportThread;
    ASSERT_TRUE(worker.start(h.state, h.field, h.settings, [&](GameOutcome outcome) {
        reports.push_back(outcome);
        reportThread = std::this_thread::get_id();
    }));
    EXPECT_TRUE(h.state.workerBusy);
    EXPECT_FALSE(h.state.canCreateElements());
    EXPECT_EQ(h.platform.cursors.front(), CursorShape::Busy);
    EXPECT_EQ(h.platform.pointer, (Point{301, 201}));

    h.platform.runHandOver();
    WaitAndReap(h, worker);
    EXPECT_EQ(reports, std::vector<GameOutcome>{GameOutcome::Created});
    EXPECT_EQ(reportThread, mainThread);
    EXPECT_TRUE(h.state.isInProgress());
    EXPECT_EQ(h.platform.cursors.back(), CursorShape::Arrow);
    EXPECT_TRUE(h.state.canCreateElements());
}

TEST(RotationWorkerTest, ASecondWorkerIsRefusedWhileTheFirstIsBusy) {
    GameHarness h;
    RotationWorker worker, second;
    int reports = 0;
    ASSERT_TRUE(worker.start(h.state, h.field, h.settings, [&](GameOutcome) { ++reports; }));
    EXPECT_FALSE(worker.start(h.state, h.field, h.settings, [&](GameOutcome) { ++reports; }));
    EXPECT_FALSE(second.start(h.state, h.field, h.settings, [&](GameOutcome) { ++reports; }));
    EXPECT_FALSE(worker.reap());  // its hand-over is still due

    h.platform.runHandOver();
    WaitAndReap(h, worker);
    EXPECT_EQ(reports, 1);
}

TEST(RotationWorkerTest, ARefusedCreationIsReportedAndCreatesNothing) {
    GameHarness h;
    h.state.picture = PictureBuffer();  // nothing to build from
    RotationWorker worker;
    std::vector<GameOutcome> reports;
    ASSERT_TRUE(worker.start(h.state, h.field, h.settings,
                             [&](GameOutcome outcome) { reports.push_back(outcome); }));
    h.platform.runHandOver();
    WaitAndReap(h, worker);
    EXPECT_EQ(reports, std::vector<GameOutcome>{GameOutcome::Refused});
    EXPECT_EQ(h.state.elements, nullptr);
    EXPECT_EQ(h.platform.cursors.back(), CursorShape::Arrow);
}

TEST(RotationWorkerTest, ALoadedGameIsFinishedInsteadOfCreated) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    h.state.createAfterRotation = false;
    h.state.clock.reset(90);
    RotationWorker worker;
    std::vector<GameOutcome> reports;
    ASSERT_TRUE(worker.start(h.state, h.field, h.settings,
                             [&](GameOutcome outcome) { reports.push_back(outcome); }));
    h.platform.runHandOver();
    WaitAndReap(h, worker);
    EXPECT_EQ(reports, std::vector<GameOutcome>{GameOutcome::Loaded});
    EXPECT_TRUE(h.state.clock.isRunning());
    EXPECT_EQ(h.state.clock.displayText(), "00:01:30");
}

}  // namespace
}  // namespace tessary
