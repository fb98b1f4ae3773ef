#pragma once

#include "core/completion.h"

namespace tessary {

struct GameState;

/// Takes a drag step's reaction into the game and returns what the window does: Joined, play
/// the join sound; CompletedNow, the clock has been stopped at the final time and the game
/// marked complete: play the completion sound and show the completion window. A game already
/// complete is never completed again.
JoinReaction ApplyJoinReaction(GameState& state, JoinReaction reaction);

}  // namespace tessary
