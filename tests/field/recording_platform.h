#pragma once

#include <vector>

#include "core/region.h"
#include "field/cursor_modes.h"
#include "field/platform.h"
#include "quiet_platform.h"

namespace tessary {

/// A Platform that records what the engine asks of the window.
class RecordingPlatform : public Platform {
public:
    void invalidate(const Region& clientRegion) override { invalidated |= clientRegion; }
    void invalidateAll() override { ++wholeInvalidations; }
    void repaintNow() override { ++repaints; }
    void invert(const Region& clientRegion) override {
        inversions.push_back(clientRegion);
        inverted ^= clientRegion;
    }
    void captureMouse(bool capture) override { isMouseCaptured = capture; }
    Point pointerPosition() const override { return pointer; }
    void movePointer(Point client) override { pointer = client; }
    void playSound(Sound sound) override { sounds.push_back(sound); }
    ProgressSink& progress(const char*) override { return progressSink_; }
    void runOnMainThread(const std::function<void()>& task) override { task(); }
    Point fullScreenClientSize() const override { return fullScreenClient; }

    /// Records in `cursors` the cursor a window shows at `now` after every change of `modes`.
    void watchCursor(CursorModes& modes, std::int64_t now) {
        modes.onChange = [this, &modes, now] { cursors.push_back(modes.shapeAt(now)); };
    }

    /// Forgets what was recorded so far.
    void clearRecords() {
        invalidated = Region();
        wholeInvalidations = 0;
        repaints = 0;
        cursors.clear();
        sounds.clear();
        inversions.clear();
    }

    Region invalidated;  // union of every invalidated region, client coordinates
    int wholeInvalidations = 0;
    int repaints = 0;
    std::vector<Region> inversions;    // every inverted region, in order
    Region inverted;                   // what is shown inverted now
    std::vector<CursorShape> cursors;  // recorded by watchCursor
    std::vector<Sound> sounds;
    bool isMouseCaptured = false;
    Point pointer;
    Point fullScreenClient{1016, 722};

private:
    testing::NullProgress progressSink_;
};

}  // namespace tessary
