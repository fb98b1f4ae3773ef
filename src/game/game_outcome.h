#pragma once

namespace tessary {

/// How building a game ended, a new one or a saved one, on the main thread, on the rotation
/// worker's hand-over or in the load-game command. The engine has already left the game as the
/// comment says; the window turns the outcome into what the player sees and what happens next.
enum class GameOutcome {
    Created,   // a new game's elements exist: the game is Playing
    Loaded,    // a saved game is Playing (from BuildLoadedGame: built, waiting for its finish)
    Rotating,  // the worker builds or finishes the game in its hand-over; it reports then
    Busy,      // a worker is busy: nothing was changed
    Refused,   // nothing to build from: no cut picture, or a plan that cannot be played
    PictureUnreadable,    // a saved game's picture file is missing or unreadable: all discarded
    GameFileMissing,      // no game file: the picture stays loaded without elements
    UnknownFormat,        // the game file is not ours: game and picture discarded
    Damaged,              // the game file is cut off or inconsistent: game and picture discarded
    CreationOutOfMemory,  // memory ran out while a new game was built: released, the game is Cut
    LoadOutOfMemory,      // memory ran out while a saved game was read, built or finished: game
                          // and picture discarded
};

}  // namespace tessary
