#pragma once

#include <functional>

#include "field/platform.h"
#include "picture/progress_sink.h"

namespace tessary::testing {

/// Progress that goes nowhere.
class NullProgress : public ProgressSink {
public:
    void begin(int) override {}
    void step() override {}
    void end() override {}
};

/// A window that does nothing, for benchmarks and fuzzers: the pointer stays where it was
/// put, and hand-overs run at once on the calling thread.
class QuietPlatform : public Platform {
public:
    void invalidate(const Region&) override {}
    void invalidateAll() override {}
    void repaintNow() override {}
    void captureMouse(bool) override {}
    Point pointerPosition() const override { return pointer; }
    void movePointer(Point client) override { pointer = client; }
    void playSound(Sound) override {}
    ProgressSink& progress(const char*) override { return progress_; }
    void runOnMainThread(const std::function<void()>& task) override { task(); }
    Point fullScreenClientSize() const override { return fullScreenClient; }

    Point pointer;
    Point fullScreenClient{1912, 1048};

private:
    NullProgress progress_;
};

}  // namespace tessary::testing
