#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "core/cutting_plan.h"
#include "core/element_painter.h"
#include "core/element_set.h"
#include "core/game_random.h"
#include "core/knob_tables.h"
#include "field/field.h"
#include "game/game_clock.h"
#include "picture/picture_buffer.h"

namespace tessary {

/// The one game of the main window: how far it has come, its picture and plan, its elements
/// and its clock. The field points into it (elements, pictures), so it stays where it was
/// made; the window owns it for the whole run.
struct GameState {
    explicit GameState(TimeSource now = SystemTimeSeconds) : clock(std::move(now)) {}
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    bool pictureLoaded = false;
    bool pictureCut = false;
    bool elementsCreated = false;
    bool gameComplete = false;
    // Written by the rotation worker's thread, read by the main thread.
    std::atomic<bool> workerBusy = false;
    bool createAfterRotation = true;  // the worker continues with creation (true) or a load
    bool displayModeChanged = false;

    std::string pictureName;
    // Which game this is, for the automatic save: new whenever elements are built (created or
    // loaded); kept in memory only, never in the game file.
    std::uint64_t gameId = 0;
    CuttingPlan plan;
    PictureBuffer picture;  // the cut picture once pictureCut is set

    std::unique_ptr<ElementSet> elements;     // null while no elements exist
    std::unique_ptr<ElementPainter> painter;  // draws for the assembly rules into the field
    GameClock clock;

    GameRandom random;
    SeedSource seedSource = LocalTimeSeconds;  // the seed of each table of a new game

    /// Playing: elements exist and the picture is not yet assembled.
    bool isInProgress() const { return elementsCreated && !gameComplete; }
    bool isComplete() const { return elementsCreated && gameComplete; }
    /// Commands that replace the picture or the elements wait while the worker is busy: its
    /// hand-over builds the game from the picture.
    bool canChangeGame() const { return !workerBusy; }

    // Command availability; the window asks these whenever it shows the menu.
    bool canLoadPicture() const { return canChangeGame(); }
    bool canCutPicture() const { return pictureLoaded && canChangeGame(); }
    bool canCreateElements() const { return pictureLoaded && pictureCut && canChangeGame(); }
    bool canStartNewGame() const { return canChangeGame(); }
    bool canShowPicture() const { return pictureLoaded; }
    bool canSaveGame() const { return isInProgress() && canChangeGame(); }
    bool canLoadGame(bool hasSavedGames) const { return hasSavedGames && canChangeGame(); }
    bool canArrangeElements() const { return elementsCreated && canChangeGame(); }
    /// Pause acts only in a game in progress with the timer shown.
    bool canPause(bool showTimer) const { return isInProgress() && showTimer; }
    /// Closing the window while a game is in progress needs the player's confirmation.
    bool needsExitConfirmation() const { return isInProgress(); }
};

/// A game identity no earlier game of this run had, and unlikely to meet one of another run.
std::uint64_t NewGameId();

/// Points the field at the game's elements and pictures (both may be absent).
void AttachToField(GameState& state, Field& field);

/// Discards the elements (and with `discardPicture` the picture and its name) and stops the clock
/// at "00:00:00". The field lets go of everything discarded but the side of the element bitmaps,
/// the wheel's step; the window then hides its preview (when the picture went) and redraws the
/// field. The plan, pictureCut and gameComplete stay. Not while the worker is busy.
void ResetGame(GameState& state, Field& field, bool discardPicture);

}  // namespace tessary
