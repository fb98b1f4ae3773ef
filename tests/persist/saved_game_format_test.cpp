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

// No two of the 26 values are alike, so a value written to another's place shows; reading them
// back gives each to its own setting. Only the header is read: the records stay the two of
// FixedGame while the header names a 7 x 9 grid.
TEST(SavedGameFormatTest, EveryHeaderValueHasItsOwnPlaceAndComesBack) {
    FixedGame game;
    CuttingPlan plan = game.plan;
    plan.rows = 7;
    plan.columns = 9;
    plan.elementSize = 48;
    GameSettings saved;
    saved.backgroundColor = 0x102030;
    saved.contourColor3D = 0x405060;
    saved.elementSize = 64;  // the plan's size is the one stored
    saved.captureRange = 11;
    saved.contourThickness = 4;
    saved.mouseScrollArea = 33;
    saved.mouseScrollSpeed = 8;
    saved.keyboardScrollSpeed = 170;
    saved.enable3DElements = 21;
    saved.enableMouseScroll = 22;
    saved.showTimer = 23;
    saved.squareBase = 0;
    saved.enableOffset = 25;
    saved.rotateElements = 26;
    saved.mosaic = 27;
    saved.exactAssembling = 28;
    saved.textureBackground = 29;
    saved.fullScreen = 30;
    saved.backgroundBitmapId = 361;
    saved.wheelRotateElements = 35;  // not stored
    saved.scrollWheel = 36;
    const std::int64_t elapsed = (std::int64_t{1034} << 32) + 1033;
    std::ostringstream out;
    ASSERT_TRUE(WriteSavedGame(out, {plan, saved, *game.elements, {1031, 1032}, elapsed}));
    const std::string text = out.str();
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());

    const std::array<std::int32_t, kHeaderValueCount> expected = {
        7, 9,  0x102030, 0x405060, 48, 11,   4,    33, 8,  170, 21, 22,   23,
        1, 25, 26,       27,       28, 1031, 1032, 29, 30, 361, 0,  1033, 1034};
    std::array<std::int32_t, kHeaderValueCount> values{};
    for (int i = 0; i < kHeaderValueCount; ++i) {
        values[i] =
            static_cast<std::int32_t>(ReadLe32(bytes, 12 + 4 * static_cast<std::size_t>(i)));
        EXPECT_EQ(values[i], expected[i]) << "header value " << i;
    }

    CuttingPlan loadedPlan;
    GameSettings loaded;
    loaded.fullScreen = 0;
    loaded.wheelRotateElements = 0;
    loaded.scrollWheel = 1;
    RestoreSavedGameSettings(SavedGameHeader::FromValues(values), loadedPlan, loaded);
    EXPECT_EQ(loadedPlan.rows, 7);
    EXPECT_EQ(loadedPlan.columns, 9);
    EXPECT_EQ(loadedPlan.elementSize, 48);
    EXPECT_EQ(loadedPlan.pictureWidth, 9 * 48);
    EXPECT_EQ(loadedPlan.pictureHeight, 7 * 48);
    GameSettings restored = saved;  // with the repairs of a hand-edited file: flags become 1
    restored.elementSize = 48;
    restored.fullScreen = 0;  // the window mode and the wheel stay the player's
    restored.wheelRotateElements = 0;
    restored.scrollWheel = 1;
    RepairSettings(restored);
    EXPECT_EQ(loaded, restored);
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
