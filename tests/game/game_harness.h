#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/completion.h"
#include "core/game_settings.h"
#include "field/cursor_modes.h"
#include "field/field.h"
#include "field/platform.h"
#include "game/create_elements.h"
#include "game/game_state.h"
#include "picture/picture_buffer.h"
#include "picture/progress_sink.h"

namespace tessary::testing {

/// A Platform for game tests. It records cursors (as the harness's window shows them), sounds
/// and progress; a hand-over from a
/// worker thread waits in a queue until the test's main thread runs it with runHandOver().
/// Progress can fail with std::bad_alloc at a chosen step, the way allocation fails.
class GamePlatform : public Platform, public ProgressSink {
public:
    void invalidate(const Region&) override {}
    void invalidateAll() override {}
    void repaintNow() override {}
    void captureMouse(bool) override {}
    Point pointerPosition() const override { return pointer; }
    void movePointer(Point client) override { pointer = client; }
    void playSound(Sound sound) override { sounds.push_back(sound); }
    ProgressSink& progress(const char* caption) override;
    void runOnMainThread(const std::function<void()>& task) override;
    Point fullScreenClientSize() const override { return fullScreenClient; }

    void begin(int range) override { progressRanges.push_back(range); }
    void step() override;
    void end() override { ++progressEnds; }

    /// Waits for a worker's hand-over and runs it on the calling thread.
    void runHandOver();

    std::vector<CursorShape> cursors;
    std::vector<Sound> sounds;
    std::vector<std::string> progressCaptions;
    std::vector<int> progressRanges;
    int progressSteps = 0;
    int progressEnds = 0;
    int failAtStep = -1;  // the step (counted from 1) that throws std::bad_alloc; -1 never
    Point pointer{300, 200};
    Point fullScreenClient{1020, 740};  // the frame takes 4 x 28 pixels of a 1024 x 768 screen

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* pending_ = nullptr;
    bool isDone_ = false;
};

/// The picture pixel at (x, y) of a test picture: distinct for every point up to 4096 x 4096.
std::uint32_t PicturePixel(int x, int y);

/// A 24-bit bottom-up picture filled with PicturePixel.
PictureBuffer MakeTestPicture(int width, int height);

/// How a test game is cut.
struct HarnessOptions {
    int columns = 5;
    int rows = 4;
    int elementSize = 32;
    bool rotateElements = true;
    bool enableOffset = true;
    unsigned seed = 7;  // the seed of every table
};

/// One window's worth of game: settings, a 1024 x 768 screen shown whole, the field, and a
/// game state holding a cut test picture, on a clock the test sets.
class GameHarness {
public:
    explicit GameHarness(const HarnessOptions& options = {});

    /// Creates the elements on this thread, as the worker's hand-over would.
    GameOutcome create();

    /// Puts the pointer over the centre of element k's core square (the whole field is shown,
    /// so field and client points agree) and returns that point.
    Point pointAt(int k);
    /// Turns element k with the pointer, a quarter turn at a time, until it has `rotation`.
    void turnTo(int k, int rotation);
    /// Drags element k so that its core square's corner lands on `target`, releasing it when
    /// no join ended the drag; the reaction has been applied to the game.
    JoinReaction dragTo(int k, Point target);

    GameSettings settings;
    GamePlatform platform;
    Field field;
    std::int64_t now = 1'000'000;  // the clock's time, seconds
    GameState state;
};

}  // namespace tessary::testing
