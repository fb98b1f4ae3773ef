#pragma once

namespace tessary {

class ElementSet;

/// The share of the game's joins made, in whole percent rounded down:
/// 100 x (N - blocks) / (N - 1) for N elements, an element alone counting as a block of one;
/// 100 for a game of one element.
int JoinProgressPercent(const ElementSet& set);

}  // namespace tessary
