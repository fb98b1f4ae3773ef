#pragma once

#include <vector>

#include "core/knob_tables.h"

namespace tessary {

class GameRandom;

/// A uniformly random order of 0..n-1 (n >= 0): `random` is reseeded from `seed` like each
/// table of a new game, then drives a Fisher-Yates shuffle. Draws of 0..32767 are combined
/// where a range is wider, so every order stays equally likely for any n.
std::vector<int> RandomPermutation(int n, GameRandom& random, const SeedSource& seed);

}  // namespace tessary
