#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/cutting_plan.h"
#include "core/element_set.h"
#include "core/game_settings.h"
#include "game_harness.h"

namespace tessary::testing {

/// Bytes written from hex pairs; whitespace between them is ignored.
std::vector<std::uint8_t> Hex(std::string_view text);

/// A game of two elements from fixed values, not through creation: a 2 x 1 cut of 16-pixel
/// elements, both turned by a half turn and joined into one block, saved after 2^32 + 5 seconds
/// in full-screen mode.
struct FixedGame {
    FixedGame();

    CuttingPlan plan;
    GameSettings settings;
    std::unique_ptr<ElementSet> elements;
};

/// The game file of a FixedGame.
std::vector<std::uint8_t> FixedGameBytes();

/// The game file of the harness's game, with the clock's elapsed time.
std::vector<std::uint8_t> GameFileBytes(const GameHarness& h);

/// Joins the top two rows of the harness's game at the field's (600, 400), turning each
/// element upright first; the rest stays scattered and turned as created.
void AssembleTopRows(GameHarness& h);

}  // namespace tessary::testing
