#include <gtest/gtest.h>

#include <functional>

#include "core/element_set.h"
#include "field/field_drawing.h"
#include "game/create_elements.h"
#include "game_harness.h"

namespace tessary {
namespace {

using testing::GameHarness;

// What a saved game would hold of the current game.
StoredGame Snapshot(const GameHarness& h, std::int64_t elapsedSeconds) {
    const ElementSet& set = *h.state.elements;
    StoredGame stored;
    stored.baseRects.assign(set.baseRects().begin(), set.baseRects().end());
    stored.zOrder.assign(set.zOrder().begin(), set.zOrder().end());
    for (const Element& e : set.elementTable())
        stored.elements.push_back(
            {e.rotation, e.links, e.knobs, e.knobShifts, set.members(e.index)});
    stored.fieldSize = {h.field.viewport.fieldWidth, h.field.viewport.fieldHeight};
    stored.elapsedSeconds = elapsedSeconds;
    return stored;
}

// A game half assembled: the top two rows joined at the field's (600, 400), the rest
// scattered and turned as created.
void AssembleTopRows(GameHarness& h) {
    const int S = h.state.plan.elementSize, columns = h.state.plan.columns;
    for (int k = 0; k < 2 * columns; ++k) {
        h.turnTo(k, 0);
        h.dragTo(k, {600 + k % columns * S, 400 + k / columns * S});
    }
}

TEST(BuildLoadedGameTest, RebuildGivesBackTheSameElementsAndFieldPicture) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    AssembleTopRows(h);
    ASSERT_EQ(h.state.elements->members(0).size(), 10u);
    RedrawField(h.field, {.clear = true});
    const Bitmap32 before = h.field.fieldPicture;
    const StoredGame stored = Snapshot(h, 90);
    const ElementSet old = *h.state.elements;

    ASSERT_EQ(BuildLoadedGame(h.state, h.field, h.settings, stored), GameOutcome::Loaded);
    EXPECT_EQ(h.field.elements, nullptr);  // nothing shows until the finish
    EXPECT_FALSE(h.state.clock.isRunning());
    h.now += 5;  // waiting for the worker does not count
    ASSERT_EQ(FinishLoadedGame(h.state, h.field), GameOutcome::Loaded);

    const ElementSet& set = *h.state.elements;
    EXPECT_EQ(h.field.elements, &set);
    for (int k = 0; k < set.elementCount(); ++k) {
        const Element& a = old.element(k);
        const Element& b = set.element(k);
        EXPECT_EQ(b.fieldRect, a.fieldRect) << k;
        EXPECT_EQ(b.rotation, a.rotation) << k;
        EXPECT_EQ(b.links, a.links) << k;
        EXPECT_EQ(b.alone, a.alone) << k;
        EXPECT_EQ(b.enclosed, a.enclosed) << k;
        EXPECT_EQ(set.members(k), old.members(k)) << k;
        EXPECT_EQ(set.fieldRegions()[k], old.fieldRegions()[k]) << k;
    }
    EXPECT_TRUE(std::equal(set.zOrder().begin(), set.zOrder().end(), old.zOrder().begin()));
    EXPECT_EQ(h.field.fieldPicture, before);
    EXPECT_EQ(h.state.clock.displayText(), "00:01:30");
    EXPECT_TRUE(h.state.isInProgress());
}

TEST(BuildLoadedGameTest, StoredFieldSizeIsALowerBound) {
    GameHarness h({.rotateElements = false});
    ASSERT_EQ(h.create(), GameOutcome::Created);
    StoredGame stored = Snapshot(h, 0);
    stored.fieldSize = {2000, 500};
    ASSERT_EQ(BuildLoadedGame(h.state, h.field, h.settings, stored), GameOutcome::Loaded);
    EXPECT_EQ(h.field.viewport.fieldWidth, 2000);
    EXPECT_EQ(h.field.viewport.fieldHeight, 768);
}

struct DamageRow {
    const char* name;
    std::function<void(StoredGame&)> damage;
};

class DamagedStoredGameTest : public ::testing::TestWithParam<DamageRow> {};

// The reader runs this check once on every game file; the rebuild relies on it.
TEST_P(DamagedStoredGameTest, IsNotPlayable) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    AssembleTopRows(h);
    StoredGame stored = Snapshot(h, 0);
    ASSERT_TRUE(IsPlayableStoredGame(stored, 20));
    GetParam().damage(stored);
    EXPECT_FALSE(IsPlayableStoredGame(stored, 20));
}

// Elements 0..9 are one block (the top rows); 18 and 19 lie alone.
INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedStoredGameTest,
    ::testing::Values(
        DamageRow{"link_to_itself", [](StoredGame& s) { s.elements[19].links[kTop] = 19; }},
        DamageRow{"link_outside_the_game", [](StoredGame& s) { s.elements[19].links[kTop] = 20; }},
        DamageRow{"link_not_answered",
                  [](StoredGame& s) {
                      s.elements[19].links[kTop] = 14;
                      s.elements[19].members = {14, 19};
                  }},
        DamageRow{"linked_outside_its_block", [](StoredGame& s) { s.elements[0].members = {0}; }},
        DamageRow{"block_without_its_owner", [](StoredGame& s) { s.elements[19].members = {18}; }},
        DamageRow{"block_member_outside_the_game",
                  [](StoredGame& s) {
                      s.elements[19].members = {19, 25};
                  }},
        DamageRow{"blocks_disagree",
                  [](StoredGame& s) {
                      s.elements[19].members = {18, 19};
                  }},
        DamageRow{"knob_beyond_one", [](StoredGame& s) { s.elements[3].knobs[kLeft] = 2; }},
        DamageRow{"shift_beyond_one", [](StoredGame& s) { s.elements[3].knobShifts[kTop] = -2; }},
        DamageRow{"rotation_beyond_three", [](StoredGame& s) { s.elements[3].rotation = 4; }},
        DamageRow{"z_order_repeats", [](StoredGame& s) { s.zOrder[1] = s.zOrder[0]; }},
        DamageRow{"table_too_short", [](StoredGame& s) { s.baseRects.pop_back(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
