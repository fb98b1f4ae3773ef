#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <initializer_list>
#include <utility>

#include "persist/saved_game_reader.h"
#include "persist_fixtures.h"
#include "temp_folder.h"

namespace tessary {
namespace {

using testing::FixedGameBytes;

// Offsets in the file of FixedGame (two elements, records of 72 bytes from offset 164).
constexpr std::size_t HeaderValue(int i) {
    return 12 + 4 * static_cast<std::size_t>(i);
}
constexpr std::size_t BaseRect(int k, int value) {
    return 120 + 16 * static_cast<std::size_t>(k) + 4 * static_cast<std::size_t>(value);
}
constexpr std::size_t ZOrder(int position) {
    return 152 + 4 * static_cast<std::size_t>(position);
}
constexpr std::size_t Record(int k, std::size_t field) {
    return 164 + 72 * static_cast<std::size_t>(k) + field;
}
constexpr std::size_t kRotation = 0, kAlone = 4, kEnclosed = 8, kReserved = 68;
constexpr std::size_t Link(Side side) {
    return 12 + 4 * static_cast<std::size_t>(side);
}
constexpr std::size_t Knob(Side side) {
    return 28 + 4 * static_cast<std::size_t>(side);
}
constexpr std::size_t Shift(Side side) {
    return 44 + 4 * static_cast<std::size_t>(side);
}
constexpr std::size_t Member(int j) {
    return 60 + 4 * static_cast<std::size_t>(j);
}

using Patch = std::pair<std::size_t, std::int32_t>;

std::vector<std::uint8_t> Patched(std::initializer_list<Patch> patches) {
    std::vector<std::uint8_t> bytes = FixedGameBytes();
    for (const auto& [offset, value] : patches) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) {
            bytes.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    }
    return bytes;
}

TEST(SavedGameReaderTest, ReadsTheFixedGame) {
    const SavedGameReadResult read = ReadSavedGame(FixedGameBytes());
    ASSERT_TRUE(read.isRead());
    EXPECT_EQ(read.game.header.fullScreen, 1);
    EXPECT_EQ(read.game.stored.elapsedSeconds, (std::int64_t{1} << 32) + 5);
    EXPECT_EQ(read.game.stored.elements[1].members, (MemberList{0, 1}));
}

TEST(SavedGameReaderTest, BytesAfterTheLastRecordAreIgnored) {
    std::vector<std::uint8_t> bytes = FixedGameBytes();
    const SavedGameReadResult plain = ReadSavedGame(bytes);
    bytes.insert(bytes.end(), {0x89, 'T', 'S', 'Y', 0xFF, 0xFF, 0xFF, 0xFF, 7});
    const SavedGameReadResult extended = ReadSavedGame(bytes);
    ASSERT_TRUE(extended.isRead());
    EXPECT_EQ(extended.game.header, plain.game.header);
    EXPECT_EQ(extended.game.stored.elements[0].links, plain.game.stored.elements[0].links);
}

TEST(SavedGameReaderTest, EveryTruncationIsRefused) {
    const std::vector<std::uint8_t> bytes = FixedGameBytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const SavedGameReadResult read =
            ReadSavedGame(std::span<const std::uint8_t>(bytes.data(), size));
        // A short magic reads as zeros, which are not the magic.
        EXPECT_EQ(read.status, size < 8 ? SavedGameStatus::UnknownFormat : SavedGameStatus::Damaged)
            << size;
        EXPECT_TRUE(read.game.stored.elements.empty()) << size;
    }
}

TEST(SavedGameReaderTest, FlippedFirstByteIsAnUnknownFormat) {
    std::vector<std::uint8_t> bytes = FixedGameBytes();
    bytes[0] ^= 0x01;
    EXPECT_EQ(ReadSavedGame(bytes).status, SavedGameStatus::UnknownFormat);
}

TEST(SavedGameReaderTest, ValuesThatOnlyTheLinksDecideAreIgnored) {
    // alone and enclosed follow from the links; the reserved values carry nothing.
    const SavedGameReadResult read = ReadSavedGame(Patched({{Record(0, kAlone), 7},
                                                            {Record(1, kEnclosed), -3},
                                                            {Record(1, kReserved), 99},
                                                            {HeaderValue(23), 5}}));
    EXPECT_TRUE(read.isRead());
}

struct DamageRow {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

void PrintTo(const DamageRow& row, std::ostream* out) {
    *out << row.name;
}

class DamagedGameFileTest : public ::testing::TestWithParam<DamageRow> {};

TEST_P(DamagedGameFileTest, IsRefusedLikeAShortFile) {
    const SavedGameReadResult read = ReadSavedGame(GetParam().bytes);
    EXPECT_EQ(read.status, SavedGameStatus::Damaged);
    EXPECT_TRUE(read.game.stored.elements.empty());
}

// FixedGame: elements 0 and 1 joined, 0's left side to 1's right side.
INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedGameFileTest,
    ::testing::Values(
        DamageRow{"header_tag", Patched({{8, 0x4948444A}})},
        DamageRow{"arrays_tag", Patched({{116, 0}})},
        DamageRow{"elements_tag", Patched({{160, 0x49454C4E}})},
        DamageRow{"no_rows", Patched({{HeaderValue(0), 0}})},
        DamageRow{"negative_columns", Patched({{HeaderValue(1), -1}})},
        DamageRow{"element_size_not_offered", Patched({{HeaderValue(4), 17}})},
        DamageRow{"element_count_beyond_32_bits",
                  Patched({{HeaderValue(0), 65536}, {HeaderValue(1), 65536}})},
        DamageRow{"picture_wider_than_32_bits", Patched({{HeaderValue(1), 1 << 27}})},
        DamageRow{"negative_field_width", Patched({{HeaderValue(18), -1}})},
        DamageRow{"huge_field_height", Patched({{HeaderValue(19), INT32_MAX}})},
        DamageRow{"core_square_not_S_wide", Patched({{BaseRect(0, 2), 133}})},
        DamageRow{"core_square_far_outside",
                  Patched({{BaseRect(1, 0), INT32_MAX - 16}, {BaseRect(1, 2), INT32_MAX}})},
        DamageRow{"core_square_right_beyond_int", Patched({{BaseRect(0, 2), INT32_MIN}})},
        DamageRow{"z_order_repeats", Patched({{ZOrder(1), 1}})},
        DamageRow{"z_order_outside_the_game", Patched({{ZOrder(0), 2}})},
        DamageRow{"rotation_four", Patched({{Record(0, kRotation), 4}})},
        DamageRow{"rotation_negative", Patched({{Record(1, kRotation), -1}})},
        DamageRow{"link_to_itself", Patched({{Record(0, Link(kLeft)), 0}})},
        DamageRow{"link_outside_the_game", Patched({{Record(0, Link(kLeft)), 2}})},
        DamageRow{"link_below_minus_one", Patched({{Record(0, Link(kTop)), -2}})},
        DamageRow{"link_not_answered", Patched({{Record(1, Link(kRight)), -1}})},
        DamageRow{"link_answered_on_another_side",
                  Patched({{Record(1, Link(kRight)), -1}, {Record(1, Link(kTop)), 0}})},
        DamageRow{"knob_two", Patched({{Record(0, Knob(kTop)), 2}})},
        DamageRow{"knob_shift_minus_two", Patched({{Record(1, Shift(kBottom)), -2}})},
        DamageRow{"members_without_the_element", Patched({{Record(1, Member(1)), 0}})},
        DamageRow{"linked_outside_the_block",
                  Patched({{Record(0, Member(1)), 0}, {Record(1, Member(0)), 0}})},
        DamageRow{"blocks_disagree", Patched({{Record(0, Link(kLeft)), -1},
                                              {Record(1, Link(kRight)), -1},
                                              {Record(1, Member(0)), 0}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedGameReaderTest, SeedCorpusReadsWithoutHarm) {
    const std::filesystem::path corpus = TESSARY_PERSIST_CORPUS_DIR;
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int files = 0;
    int read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().string());
        read += ReadSavedGame(testing::ReadAll(entry.path())).isRead() ? 1 : 0;
        ++files;
    }
    EXPECT_GT(files, 0);
    EXPECT_GT(read, 0);  // the corpus starts the fuzzer from good files as well
}

}  // namespace
}  // namespace tessary
