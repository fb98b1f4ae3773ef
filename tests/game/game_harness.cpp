#include "game_harness.h"

#include <new>

#include "core/element_set.h"
#include "field/dragging.h"
#include "field/key_state.h"
#include "field/rotation.h"
#include "game/apply_join_reaction.h"
#include "test_pictures.h"

namespace tessary::testing {

ProgressSink& GamePlatform::progress(const char* caption) {
    progressCaptions.emplace_back(caption);
    return *this;
}

void GamePlatform::step() {
    ++progressSteps;
    if (progressSteps == failAtStep)
        throw std::bad_alloc();
}

void GamePlatform::runOnMainThread(const std::function<void()>& task) {
    std::unique_lock lock(mutex_);
    pending_ = &task;
    isDone_ = false;
    changed_.notify_all();
    changed_.wait(lock, [this] { return isDone_; });
}

void GamePlatform::runHandOver() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ != nullptr; });
    const std::function<void()>* task = pending_;
    lock.unlock();
    (*task)();
    lock.lock();
    pending_ = nullptr;
    isDone_ = true;
    changed_.notify_all();
}

std::uint32_t PicturePixel(int x, int y) {
    const auto r = static_cast<std::uint32_t>(x & 0xFF);
    const auto g = static_cast<std::uint32_t>(y & 0xFF);
    const auto b = static_cast<std::uint32_t>((x >> 8 & 0xF) | (y >> 8 & 0xF) << 4);
    return r << 16 | g << 8 | b;
}

PictureBuffer MakeTestPicture(int width, int height) {
    return MakeFilledPicture(width, height, PicturePixel);
}

GameHarness::GameHarness(const HarnessOptions& options)
    : field(settings, platform), state([this] { return now; }) {
    settings.rotateElements = options.rotateElements ? 1 : 0;
    settings.enableOffset = options.enableOffset ? 1 : 0;
    settings.backgroundColor = 0x00FF00FF;
    field.viewport.screenWidth = 1024;
    field.viewport.screenHeight = 768;
    field.viewport.clientRect = {0, 0, 1024, 768};
    field.background.colour = PixelOfColourRef(0x00FF00FF);
    // The window shows the cursor of the most important mode after every change.
    field.cursor.onChange = [this] { platform.cursors.push_back(field.cursor.shapeAt(0)); };

    state.pictureLoaded = true;
    state.pictureCut = true;
    state.plan.columns = options.columns;
    state.plan.rows = options.rows;
    state.plan.elementSize = options.elementSize;
    state.plan.pictureWidth = options.columns * options.elementSize;
    state.plan.pictureHeight = options.rows * options.elementSize;
    state.picture = MakeTestPicture(state.plan.pictureWidth, state.plan.pictureHeight);
    state.seedSource = [seed = options.seed] { return seed; };
}

GameOutcome GameHarness::create() {
    return CreateElements(state, field, settings);
}

Point GameHarness::pointAt(int k) {
    const Rect& core = state.elements->baseRects()[k];
    const int half = state.plan.elementSize / 2;
    platform.pointer = {core.left + half, core.top + half};
    return platform.pointer;
}

void GameHarness::turnTo(int k, int rotation) {
    for (int turns = 0; turns < 4 && state.elements->element(k).rotation != rotation; ++turns) {
        pointAt(k);
        RotateSingle(field, -1);
    }
}

JoinReaction GameHarness::dragTo(int k, Point target) {
    const Rect& core = state.elements->baseRects()[k];
    const Point from = pointAt(k);
    const Point to = {from.x + target.x - core.left, from.y + target.y - core.top};
    PickElement(field, kLeftButton);
    const JoinReaction reaction =
        ApplyJoinReaction(state, DragStep(field, kLeftButton, to, state.gameComplete));
    if (reaction == JoinReaction::Nothing)
        ReleaseElement(field);
    return reaction;
}

}  // namespace tessary::testing
