#pragma once

namespace tessary {

class ElementSet;

/// Whether the picture is assembled: element 0's block holds every element, all elements share
/// element 0's rotation, and every element is linked to its right and lower picture neighbour
/// on the field sides that face them. Holds in any of the four orientations, never for a block
/// with elements of the same shape joined in the wrong places.
bool IsComplete(const ElementSet& set);

/// What the window does after a drag step's joins.
enum class JoinReaction {
    Nothing,       // no join was made
    Joined,        // play the join sound
    CompletedNow,  // the picture has just been completed: mark the game complete, stop the
                   // clock, play the completion sound and show the completion window
};

/// The reaction to a drag step that made `joins` joins; `isMarkedComplete` says whether the
/// game was already completed, so completion is reported once per game.
JoinReaction ReactToJoin(const ElementSet& set, int joins, bool isMarkedComplete);

}  // namespace tessary
