#include "core/extra_options_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/program_folder.h"
#include "file_in_own_folder.h"
#include "file_size_cap.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view DefaultFile =
    "; Tessary: the player's extra options\n"
    "[Tessary]\n"
    "version=1\n"
    "show_whole_block=0\n"
    "scroll_while_carrying=0\n"
    "layout_without_overlap=0\n"
    "sound=1\n";

constexpr ExtraOptions AllOn{true, true, true};

ExtraOptions Read(std::string_view text) {
    std::istringstream in{std::string(text)};
    return ReadExtraOptions(in);
}

struct ReadRow {
    const char* name;
    std::string text;
    ExtraOptions expected;
};

std::ostream& operator<<(std::ostream& out, const ReadRow& row) {
    return out << row.name;
}

class ExtraOptionsReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(ExtraOptionsReadTest, ReadsWhatItCanAndDefaultsTheRest) {
    const ExtraOptions read = Read(GetParam().text);
    const ExtraOptions& expected = GetParam().expected;
    EXPECT_EQ(read.showWholeBlock, expected.showWholeBlock);
    EXPECT_EQ(read.scrollWhileCarrying, expected.scrollWhileCarrying);
    EXPECT_EQ(read.layoutWithoutOverlap, expected.layoutWithoutOverlap);
    EXPECT_EQ(read.sound, expected.sound);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExtraOptionsReadTest,
    testing::Values(
        ReadRow{"Written", FormatExtraOptions(AllOn), AllOn},
        ReadRow{"EachKeyOnItsOwn",
                "[Tessary]\nshow_whole_block=1\nscroll_while_carrying=0\n"
                "layout_without_overlap=1\nsound=0\n",
                {true, false, true, false}},
        ReadRow{"BlanksCrLfAndNoFinalLineEnd",
                "\r\n  [ Tessary ]\r\n\tshow_whole_block =  1 \r\n"
                "; layout_without_overlap=1\n# scroll_while_carrying=1\nscroll_while_carrying=1",
                {true, true, false}},
        ReadRow{"UnknownKeysAndOtherSections",
                "show_whole_block=1\n[Other]\nscroll_while_carrying=1\nsound=0\n"
                "[Tessary]\nmusic=0\nzoom=25\nno equals "
                "sign\nlayout_without_overlap=1\n[Later]\nshow_whole_block=1\n",
                {false, false, true}},
        ReadRow{"BadValuesDefaultTheirKeyOnly",
                "[Tessary]\nshow_whole_block=yes\nscroll_while_carrying=1\n"
                "layout_without_overlap=1\nlayout_without_overlap=10\nsound=off\n",
                {false, true, false, true}},
        ReadRow{"EmptyAndSignedValues",
                "[Tessary]\nshow_whole_block=\nscroll_while_carrying=+1\n"
                "layout_without_overlap=1\n",
                {false, false, true}},
        ReadRow{"TheLastLineOfAKeyDecides",
                "[Tessary]\nshow_whole_block=0\nshow_whole_block=1\n",
                {true, false, false}},
        ReadRow{"TooLongLine",
                "[Tessary]\nshow_whole_block=1" + std::string(300, ' ') +
                    "\nlayout_without_overlap=1\n",
                {false, false, true}},
        ReadRow{"NewerVersion",
                "[Tessary]\nversion=7\nshow_whole_block=1\nmagnifier=3\nscroll_while_carrying=1\n",
                {true, true, false}},
        ReadRow{"NoVersion", "[Tessary]\nlayout_without_overlap=1\n", {false, false, true}},
        ReadRow{"Empty", "", {}},
        ReadRow{
            "BinaryGarbage",
            std::string("[Tessary]\nshow_whole_block=1\n\x7f\x45\x4c\x46\x02\x01\x00\xff\n", 38),
            {}},
        ReadRow{"FarTooLarge", FormatExtraOptions(AllOn) + std::string(70000, ';') + "\n", {}}),
    [](const testing::TestParamInfo<ReadRow>& info) { return std::string(info.param.name); });

class ExtraOptionsFileTest : public FileInOwnFolderTest {
protected:
    ExtraOptionsFileTest() : FileInOwnFolderTest("options.ini") {}
};

TEST_F(ExtraOptionsFileTest, WrittenFilesHaveTheirBytesAndReadBack) {
    ASSERT_TRUE(WriteExtraOptionsFile(path_, ExtraOptions{}));
    EXPECT_EQ(readRaw(), DefaultFile);
    EXPECT_EQ(ReadExtraOptionsFile(path_), ExtraOptions{});
    for (const ExtraOptions& options :
         {AllOn, ExtraOptions{true, false, false}, ExtraOptions{false, true, false},
          ExtraOptions{false, false, true}, ExtraOptions{.sound = false}}) {
        ASSERT_TRUE(WriteExtraOptionsFile(path_, options));
        EXPECT_EQ(ReadExtraOptionsFile(path_), options);
        EXPECT_EQ(readRaw(), FormatExtraOptions(options));
    }
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{path_});
}

TEST_F(ExtraOptionsFileTest, MissingOrUnreadableFilesGiveTheDefaultsAndStayAsTheyWere) {
    EXPECT_EQ(ReadExtraOptionsFile(path_), ExtraOptions{});
    EXPECT_TRUE(folderEntries().empty());

    fs::create_directory(path_);
    EXPECT_EQ(ReadExtraOptionsFile(path_), ExtraOptions{});
    fs::remove(path_);

    const std::string damaged("[Tessary]\nshow_whole_block=1\n\0\0\xff\xfe", 33);
    writeRaw(damaged);
    EXPECT_EQ(ReadExtraOptionsFile(path_), ExtraOptions{});
    EXPECT_EQ(readRaw(), damaged);
}

TEST_F(ExtraOptionsFileTest, FailedWriteLeavesTheOldFileIntact) {
    ASSERT_TRUE(WriteExtraOptionsFile(path_, AllOn));
    bool isWritten = true;
    {
        // Files of this process may not grow beyond 20 bytes: the new text breaks off.
        const FileSizeCap cap(20);
        ASSERT_TRUE(cap.isInForce());
        isWritten = WriteExtraOptionsFile(path_, ExtraOptions{});
    }
    EXPECT_FALSE(isWritten);
    EXPECT_EQ(readRaw(), FormatExtraOptions(AllOn));
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{path_});  // no temporary file left over

    EXPECT_FALSE(WriteExtraOptionsFile(folder_ / "missing" / "options.ini", AllOn));
}

TEST(ExtraOptionsPathTest, IsInTheSettingsFilesFolder) {
    EXPECT_EQ(ExtraOptionsPathBeside("/home/player/.config/tessary/settings.cfg"),
              "/home/player/.config/tessary/options.ini");
    EXPECT_EQ(ExtraOptionsPathBeside("/settings.cfg"), "/options.ini");
    EXPECT_EQ(ExtraOptionsPathBeside("settings.cfg"), "options.ini");
    EXPECT_EQ(ExtraOptionsFilePath(), ProgramFolder() + "options.ini");
}

}  // namespace
}  // namespace tessary
