#include "persist_fixtures.h"

#include <cctype>
#include <sstream>
#include <string>

#include "core/assembly_options.h"
#include "core/outline.h"
#include "persist/saved_game_writer.h"

namespace tessary::testing {

std::vector<std::uint8_t> Hex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::string pair;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            continue;
        }
        pair += c;
        if (pair.size() == 2) {
            bytes.push_back(static_cast<std::uint8_t>(std::stoi(pair, nullptr, 16)));
            pair.clear();
        }
    }
    return bytes;
}

FixedGame::FixedGame() {
    settings.fullScreen = 1;
    plan.columns = 2;
    plan.rows = 1;
    plan.elementSize = 16;
    plan.pictureWidth = 32;
    plan.pictureHeight = 16;
    if (!DerivePlan(plan, settings)) {
        return;
    }
    elements = std::make_unique<ElementSet>(plan, OutlineGeometry::From(plan, settings),
                                            AssemblyOptions::From(settings));
    // Turned by a half turn, element 1 lies left of element 0; the tables are as they lie.
    Element& a = elements->element(0);
    a.rotation = 2;
    a.alone = false;
    a.links = {-1, -1, -1, 1};
    a.knobs = {0, 0, 0, 1};
    a.knobShifts = {0, 0, 0, -1};
    Element& b = elements->element(1);
    b.rotation = 2;
    b.alone = false;
    b.links = {-1, 0, -1, -1};
    b.knobs = {0, -1, 0, 0};
    b.knobShifts = {0, 1, 0, 0};
    elements->assignBlock({0, 1});
    elements->baseRects()[0] = {116, 40, 132, 56};
    elements->baseRects()[1] = {100, 40, 116, 56};
    elements->zOrder()[0] = 1;
    elements->zOrder()[1] = 0;
}

std::vector<std::uint8_t> FixedGameBytes() {
    const FixedGame game;
    std::ostringstream out;
    WriteSavedGame(
        out, {game.plan, game.settings, *game.elements, {1024, 768}, (std::int64_t{1} << 32) + 5});
    const std::string text = out.str();
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> GameFileBytes(const GameHarness& h) {
    std::ostringstream out;
    WriteSavedGame(out, {h.state.plan,
                         h.settings,
                         *h.state.elements,
                         {h.field.viewport.fieldWidth, h.field.viewport.fieldHeight},
                         h.state.clock.elapsedSeconds()});
    const std::string text = out.str();
    return {text.begin(), text.end()};
}

void AssembleTopRows(GameHarness& h) {
    const int S = h.state.plan.elementSize, columns = h.state.plan.columns;
    for (int k = 0; k < 2 * columns; ++k) {
        h.turnTo(k, 0);
        h.dragTo(k, {600 + k % columns * S, 400 + k / columns * S});
    }
}

}  // namespace tessary::testing
