#include <gtest/gtest.h>

#include <sstream>

#include "core/element_set.h"
#include "core/membership.h"
#include "persist/saved_game_format.h"
#include "persist/saved_game_reader.h"
#include "persist/saved_game_writer.h"
#include "persist_fixtures.h"
#include "picture/little_endian.h"

namespace tessary {
namespace {

using testing::FixedGame;
using testing::FixedGameBytes;
using testing::GameFileBytes;
using testing::GameHarness;
using testing::Hex;

TEST(SavedGameFormatTest, FixedGameGivesTheseBytes) {
    const std::vector<std::uint8_t> expected =
        Hex("89 54 53 59 0D 0A 1A 0A"  // magic
            "52 44 48 49"              // "RDHI"
            // header: rows, columns, background colour, contour colour
            "01 00 00 00  02 00 00 00  B0 C0 A0 00  40 40 40 00"
            // element size 16, capture range 5, contour thickness 3, scroll area 20
            "10 00 00 00  05 00 00 00  03 00 00 00  14 00 00 00"
            // mouse scroll speed 3, keyboard scroll speed 160, 3D, mouse scroll
            "03 00 00 00  A0 00 00 00  01 00 00 00  01 00 00 00"
            // show timer, knobbed (no square base), offset, rotate
            "01 00 00 00  01 00 00 00  01 00 00 00  01 00 00 00"
            // mosaic, exact, field 1024 x 768
            "00 00 00 00  01 00 00 00  00 04 00 00  00 03 00 00"
            // texture, full screen, texture 358, reserved
            "01 00 00 00  01 00 00 00  66 01 00 00  00 00 00 00"
            // elapsed 2^32 + 5 seconds: low, high
            "05 00 00 00  01 00 00 00"
            "52 52 41 49"  // "RRAI"
            // core squares (116, 40, 132, 56) and (100, 40, 116, 56)
            "74 00 00 00  28 00 00 00  84 00 00 00  38 00 00 00"
            "64 00 00 00  28 00 00 00  74 00 00 00  38 00 00 00"
            "01 00 00 00  00 00 00 00"  // z-order: 1 on top of 0
            "4D 4C 45 49"               // "MLEI"
            // element 0: half turn, not alone, not enclosed, linked on the left to 1
            "02 00 00 00  00 00 00 00  00 00 00 00"
            "FF FF FF FF  FF FF FF FF  FF FF FF FF  01 00 00 00"  // links
            "00 00 00 00  00 00 00 00  00 00 00 00  01 00 00 00"  // knobs
            "00 00 00 00  00 00 00 00  00 00 00 00  FF FF FF FF"  // knob shifts
            "01 00 00 00  01 00 00 00"                            // members 0 and 1
            "00 00 00 00"                                         // reserved
            // element 1: half turn, linked on the right to 0
            "02 00 00 00  00 00 00 00  00 00 00 00"
            "FF FF FF FF  00 00 00 00  FF FF FF FF  FF FF FF FF"
            "00 00 00 00  FF FF FF FF  00 00 00 00  00 00 00 00"
            "00 00 00 00  01 00 00 00  00 00 00 00  00 00 00 00"
            "01 00 00 00  01 00 00 00"
            "00 00 00 00");
    EXPECT_EQ(expected.size(), SavedGameFileSize(2));
    EXPECT_EQ(FixedGameBytes(), expected);
}

TEST(SavedGameFormatTest, TwoByThreeGameIs772BytesWithTagsInPlace) {
    GameHarness h({.columns = 3, .rows = 2, .rotateElements = false});
    ASSERT_EQ(h.create(), GameOutcome::Created);
    const std::vector<std::uint8_t> bytes = GameFileBytes(h);
    ASSERT_EQ(bytes.size(), 772u);
    const auto tagAt = [&](std::size_t offset) {
        return std::string(bytes.begin() + offset, bytes.begin() + offset + 4);
    };
    EXPECT_EQ(tagAt(8), "RDHI");
    EXPECT_EQ(tagAt(116), "RRAI");
    EXPECT_EQ(tagAt(120 + 20 * 6), "MLEI");
    // The last record's reserved value closes the file.
    EXPECT_EQ(ReadLe32(bytes, 768), 0u);
}

TEST(SavedGameFormatTest, SquareBaseIsStoredAsNotKnobbedAndComesBack) {
    FixedGame game;
    game.settings.squareBase = 1;
    std::ostringstream out;
    ASSERT_TRUE(WriteSavedGame(out, {game.plan, game.settings, *game.elements, {0, 0}, 0}));
    const std::string text = out.str();
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    EXPECT_EQ(ReadLe32(bytes, 12 + 4 * 13), 0u);

    const SavedGameReadResult read = ReadSavedGame(bytes);
    ASSERT_TRUE(read.isRead());
    CuttingPlan plan;
    GameSettings settings;
    RestoreSavedGameSettings(read.game.header, plan, settings);
    EXPECT_EQ(settings.squareBase, 1);
}

TEST(SavedGameFormatTest, ReadingGivesBackEveryStoredElementField) {
    GameHarness h;
    ASSERT_EQ(h.create(), GameOutcome::Created);
    testing::AssembleTopRows(h);
    h.now += 90;
    const ElementSet& set = *h.state.elements;
    ASSERT_GT(set.members(0).size(), 1u);

    const SavedGameReadResult read = ReadSavedGame(GameFileBytes(h));
    ASSERT_TRUE(read.isRead());
    const StoredGame& stored = read.game.stored;
    ASSERT_EQ(stored.elements.size(), 20u);
    for (int k = 0; k < set.elementCount(); ++k) {
        SCOPED_TRACE(k);
        const Element& e = set.element(k);
        const StoredElement& s = stored.elements[k];
        EXPECT_EQ(s.rotation, e.rotation);
        EXPECT_EQ(s.links, e.links);
        EXPECT_EQ(s.knobs, e.knobs);
        EXPECT_EQ(s.knobShifts, e.knobShifts);
        EXPECT_EQ(s.members, set.members(k));
        EXPECT_EQ(stored.baseRects[k], set.baseRects()[k]);
        EXPECT_EQ(stored.zOrder[k], set.zOrder()[k]);
    }
    EXPECT_EQ(stored.elapsedSeconds, 90);
    EXPECT_EQ(stored.fieldSize, (Point{h.field.viewport.fieldWidth, h.field.viewport.fieldHeight}));

    const SavedGameHeader& header = read.game.header;
    CuttingPlan plan;
    GameSettings settings;
    settings.fullScreen = 1;
    settings.wheelRotateElements = 0;
    RestoreSavedGameSettings(header, plan, settings);
    EXPECT_EQ(plan.rows, 4);
    EXPECT_EQ(plan.columns, 5);
    EXPECT_EQ(plan.elementSize, 32);
    EXPECT_EQ(settings.fullScreen, 1);  // the window mode is not restored
    EXPECT_EQ(settings.wheelRotateElements, 0);
    GameSettings expected = h.settings;
    expected.fullScreen = 1;
    expected.wheelRotateElements = 0;
    expected.elementSize = 32;
    EXPECT_EQ(settings, expected);
}

}  // namespace
}  // namespace tessary
