#include "game/apply_join_reaction.h"

#include "game/game_state.h"

namespace tessary {

JoinReaction ApplyJoinReaction(GameState& state, JoinReaction reaction) {
    if (reaction != JoinReaction::CompletedNow)
        return reaction;
    if (state.gameComplete)
        return JoinReaction::Joined;
    state.clock.stop();
    state.gameComplete = true;
    return JoinReaction::CompletedNow;
}

}  // namespace tessary
