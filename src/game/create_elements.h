#pragma once

#include "game/game_outcome.h"
#include "game/stored_game.h"

namespace tessary {

struct Field;
struct GameSettings;
struct GameState;

/// Creates the elements of a new game from the cut picture on the main thread: random edge
/// tables, placement and initial turns from state.random reseeded by state.seedSource; every
/// element's shape and field region; the field sized to the grid and redrawn with the
/// join sound; the clock started at 0. Derives the plan into state.plan and `settings`. Created,
/// Refused, or CreationOutOfMemory: the half-built game is released and the game stays Cut.
GameOutcome CreateElements(GameState& state, Field& field, GameSettings& settings);

/// Rebuilds a loaded game from `stored` through the same element building as creation: the
/// picture and plan (rows, columns, elementSize) and the stored settings are in place and
/// pictureCut is set. Elements get their stored shape, place, links and blocks, and
/// field regions; the field is sized (at least to the stored size); the clock holds the
/// stored seconds. The field is drawn by FinishLoadedGame, directly or in the rotation
/// worker's hand-over. `stored` must be playable with the plan's grid (IsPlayableStoredGame), as
/// ReadSavedGame checks once for every game file. Loaded when built; a plan that cannot be
/// derived, or blocks that disagree, are Damaged. Damaged and LoadOutOfMemory release the game
/// and the picture alike.
GameOutcome BuildLoadedGame(GameState& state, Field& field, GameSettings& settings,
                            const StoredGame& stored);

/// The end of a rebuild: the field drawn with the join sound,
/// the clock running from the stored seconds: Loaded. LoadOutOfMemory releases the game and the
/// picture; Refused when no game was built.
GameOutcome FinishLoadedGame(GameState& state, Field& field);

}  // namespace tessary
