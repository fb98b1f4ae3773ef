#pragma once

#include <memory>

#include "core/element_set.h"
#include "core/game_settings.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/platform.h"
#include "picture/picture_buffer.h"
#include "picture/progress_sink.h"

namespace tessary {

/// A window that does nothing.
class NullPlatform : public Platform {
public:
    void invalidate(const Region&) override {}
    void invalidateAll() override {}
    void repaintNow() override {}
    void setCursor(CursorShape) override {}
    void captureMouse(bool) override {}
    Point pointerPosition() const override { return pointer; }
    void movePointer(Point client) override { pointer = client; }
    void playSound(Sound) override {}
    ProgressSink& progress(const char*) override { return progress_; }
    void runOnMainThread(const std::function<void()>& task) override { task(); }
    Point fullScreenClientSize() const override { return {1920, 1050}; }

    Point pointer;

private:
    class NullProgress : public ProgressSink {
    public:
        void begin(int) override {}
        void step() override {}
        void end() override {}
    };
    NullProgress progress_;
};

/// A game as creation leaves it, at S = 64 with the default settings (3D edge of 3, exact
/// assembling), rotation off: every element rendered from a generated 24-bit picture, alone,
/// scattered over the grid in a shuffled order, the field sized for the grid on a 1920 x 1080
/// screen and drawn.
struct BenchGame {
    BenchGame(int rows, int columns);

    GameSettings settings;
    NullPlatform platform;
    PictureBuffer picture;
    std::unique_ptr<ElementSet> set;
    std::unique_ptr<Field> field;
    std::unique_ptr<FieldPainter> painter;
};

/// Peak resident memory of the process in MiB.
double PeakResidentMiB();

}  // namespace tessary
