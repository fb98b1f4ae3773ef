#include "core/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
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

// The file the restore-settings command writes.
constexpr std::string_view DefaultFile =
    "__ Tessary 1.9 configuration file __\r\n"
    "\r\n"
    " background color = 10535088\r\n"
    " 3D contour color = 4210752\r\n"
    " element size = 64\r\n"
    " capture range = 5\r\n"
    " contour thickness = 3\r\n"
    " mouse scroll area = 20\r\n"
    " mouse scroll speed = 3\r\n"
    " keyboard scroll speed = 160\r\n"
    " enable 3D elements = 1\r\n"
    " enable mouse scroll = 1\r\n"
    " show timer = 1\r\n"
    " wheel rotate elements = 1\r\n"
    " scroll wheel = 0\r\n"
    " square base = 0\r\n"
    " enable offset = 1\r\n"
    " rotate elements = 1\r\n"
    " mosaic = 0\r\n"
    " exact assembling = 1\r\n"
    " full screen = 0\r\n"
    " texture background = 1\r\n"
    " ID background bitmap = 358\r\n";

// Every field off its default, so a test sees which ones a read reached.
GameSettings EditedSettings() {
    GameSettings s;
    s.backgroundColor = 0x102030;
    s.contourColor3D = 0x405060;
    s.elementSize = 128;
    s.captureRange = 9;
    s.contourThickness = 2;
    s.mouseScrollArea = 33;
    s.mouseScrollSpeed = 7;
    s.keyboardScrollSpeed = 75;
    s.enable3DElements = 0;
    s.enableMouseScroll = 0;
    s.showTimer = 0;
    s.wheelRotateElements = 0;
    s.scrollWheel = 1;
    s.squareBase = 1;
    s.enableOffset = 0;
    s.rotateElements = 0;
    s.mosaic = 1;
    s.exactAssembling = 0;
    s.fullScreen = 1;
    s.textureBackground = 0;
    s.backgroundBitmapId = 366;
    return s;
}

// The text of EditedSettings() as key lines, without the header, one entry per line.
std::vector<std::string> EditedKeyLines() {
    std::istringstream text(FormatSettings(EditedSettings()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return {lines.begin() + 2, lines.end()};
}

std::string Join(const std::vector<std::string>& lines, std::string_view separator) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += separator;
    }
    return text;
}

std::string WithHeader(const std::string& keyLines) {
    return std::string(SettingsFileHeader) + "\r\n\r\n" + keyLines;
}

bool Read(const std::string& text, GameSettings& settings) {
    std::istringstream in(text);
    return ReadSettings(in, settings);
}

class SettingsFileTest : public FileInOwnFolderTest {
protected:
    SettingsFileTest() : FileInOwnFolderTest("settings.cfg") {}
};

TEST_F(SettingsFileTest, DefaultFileHasTheExactBytes) {
    ASSERT_TRUE(WriteDefaultSettingsFile(path_));
    EXPECT_EQ(readRaw(), DefaultFile);
}

TEST_F(SettingsFileTest, DefaultFileReadsBackAsTheDefaults) {
    GameSettings settings = EditedSettings();
    EXPECT_TRUE(Read(std::string(DefaultFile), settings));
    EXPECT_EQ(settings, GameSettings{});
}

TEST_F(SettingsFileTest, SaveThenReadReproducesValuesAndBytes) {
    GameSettings saved = EditedSettings();
    saved.backgroundColor = -1;  // high byte set: written unsigned, read back bit for bit
    ASSERT_TRUE(WriteSettingsFile(path_, saved));
    const std::string firstBytes = readRaw();

    GameSettings loaded;
    ASSERT_TRUE(ReadSettingsFile(path_, loaded));
    EXPECT_EQ(loaded, saved);
    EXPECT_NE(firstBytes.find(" background color = 4294967295\r\n"), std::string::npos);

    ASSERT_TRUE(WriteSettingsFile(path_, loaded));
    EXPECT_EQ(readRaw(), firstBytes);
}

TEST_F(SettingsFileTest, NoFileGivesDefaultsAndCreatesNothing) {
    GameSettings settings;
    EXPECT_FALSE(LoadStartupSettings(path_, settings));
    EXPECT_EQ(settings, GameSettings{});
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(SettingsFileTest, StartupReadRepairsHandEditedValues) {
    std::vector<std::string> lines = EditedKeyLines();
    lines[2] = " element size = 50";
    lines[3] = " capture range = 40";
    writeRaw(WithHeader(Join(lines, "\r\n")));

    GameSettings settings;
    EXPECT_TRUE(LoadStartupSettings(path_, settings));
    EXPECT_EQ(settings.elementSize, 64);
    EXPECT_EQ(settings.captureRange, 16);
    EXPECT_EQ(settings.fullScreen, 1);  // read in full: the window enters full-screen itself
}

TEST_F(SettingsFileTest, StartupFallbacksApplyAfterAStoppedRead) {
    std::vector<std::string> lines = EditedKeyLines();
    lines.resize(18);  // the file ends after the exact-assembling line
    writeRaw(WithHeader(Join(lines, "\r\n")));

    GameSettings settings;
    EXPECT_FALSE(LoadStartupSettings(path_, settings));

    GameSettings expected = EditedSettings();
    expected.fullScreen = 0;
    expected.textureBackground = 1;
    expected.backgroundBitmapId = 358;
    EXPECT_EQ(settings, expected);
}

TEST(SettingsReadTest, LinesOutOfOrderStopAtTheFirstStrayKey) {
    std::vector<std::string> lines = EditedKeyLines();
    std::swap(lines[4], lines[5]);  // mouse scroll area where contour thickness belongs
    GameSettings settings;
    EXPECT_FALSE(Read(WithHeader(Join(lines, "\r\n")), settings));

    const GameSettings edited = EditedSettings();
    GameSettings expected;
    expected.backgroundColor = edited.backgroundColor;
    expected.contourColor3D = edited.contourColor3D;
    expected.elementSize = edited.elementSize;
    expected.captureRange = edited.captureRange;
    EXPECT_EQ(settings, expected);
}

struct HeaderRow {
    const char* name;
    std::string header;
};

class HeaderTest : public testing::TestWithParam<HeaderRow> {};

TEST_P(HeaderTest, ForeignHeaderReadsNothing) {
    const std::string text = GetParam().header + Join(EditedKeyLines(), "\r\n");
    GameSettings settings;
    EXPECT_FALSE(Read(text, settings));
    EXPECT_EQ(settings, GameSettings{});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HeaderTest,
    testing::Values(HeaderRow{"trailingSpace", "__ Tessary 1.9 configuration file __ \r\n\r\n"},
                    HeaderRow{"otherCase", "__ tessary 1.9 configuration file __\r\n\r\n"},
                    HeaderRow{"twoCarriageReturns", "__ Tessary 1.9 configuration file __\r\r\n"},
                    HeaderRow{"keyLinesOnTheHeaderLine", "__ Tessary 1.9 configuration file __"},
                    HeaderRow{"missing", ""}),
    [](const testing::TestParamInfo<HeaderRow>& info) { return std::string(info.param.name); });

struct LayoutRow {
    const char* name;
    std::string afterHeader;  // the separator after the header line
    std::string between;      // the separator after every key line
};

class LayoutTest : public testing::TestWithParam<LayoutRow> {};

TEST_P(LayoutTest, WhitespaceVariantsReadInFull) {
    const LayoutRow& row = GetParam();
    const std::string text =
        std::string(SettingsFileHeader) + row.afterHeader + Join(EditedKeyLines(), row.between);
    GameSettings settings;
    EXPECT_TRUE(Read(text, settings));
    EXPECT_EQ(settings, EditedSettings());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LayoutTest,
    testing::Values(LayoutRow{"crlf", "\r\n\r\n", "\r\n"}, LayoutRow{"lf", "\n\n", "\n"},
                    LayoutRow{"allOnOneLine", "\n", ""},
                    LayoutRow{"tabsAndBlankLines", "\n\n\n\t", "\t\n\n  \t\r\n"},
                    LayoutRow{"noEmptyLineAfterHeader", "\r\n", "\r\n"}),
    [](const testing::TestParamInfo<LayoutRow>& info) { return std::string(info.param.name); });

struct ValueRow {
    const char* name;
    std::string backgroundLine;  // the first key line
    std::string sizeLine;        // the third key line
    bool isRead;
    int32_t backgroundColor;
    int32_t elementSize;
};

class ValueTest : public testing::TestWithParam<ValueRow> {};

TEST_P(ValueTest, NumbersMustFitTheirField) {
    const ValueRow& row = GetParam();
    std::vector<std::string> lines = EditedKeyLines();
    lines[0] = row.backgroundLine;
    lines[2] = row.sizeLine;
    GameSettings settings;
    EXPECT_EQ(Read(WithHeader(Join(lines, "\r\n")), settings), row.isRead);
    EXPECT_EQ(settings.backgroundColor, row.backgroundColor);
    EXPECT_EQ(settings.elementSize, row.elementSize);
}

constexpr int32_t DefaultColour = 10535088;
constexpr int32_t EditedColour = 0x102030;

INSTANTIATE_TEST_SUITE_P(
    Rows, ValueTest,
    testing::Values(ValueRow{"plusSign", " background color = +1056816", " element size = +128",
                             true, EditedColour, 128},
                    ValueRow{"noSpacesAroundEquals", " background color=1056816",
                             "element size=128", true, EditedColour, 128},
                    ValueRow{"smallestSigned", " background color = 1056816",
                             " element size = -2147483648", true, EditedColour, INT32_MIN},
                    ValueRow{"largestUnsigned", " background color = 4294967295",
                             " element size = 128", true, -1, 128},
                    ValueRow{"signedOverflowStops", " background color = 1056816",
                             " element size = 2147483648", false, EditedColour, 64},
                    ValueRow{"hugeNumberStops", " background color = 1056816",
                             " element size = 99999999999999999999999999", false, EditedColour, 64},
                    ValueRow{"unsignedOverflowStops", " background color = 4294967296",
                             " element size = 128", false, DefaultColour, 64},
                    ValueRow{"negativeUnsignedStops", " background color = -5",
                             " element size = 128", false, DefaultColour, 64},
                    ValueRow{"loneMinusStops", " background color = 1056816", " element size = -",
                             false, EditedColour, 64},
                    ValueRow{"keyInOtherCaseStops", " background color = 1056816",
                             " Element size = 128", false, EditedColour, 64},
                    ValueRow{"trailingTextOnLineStops", " background color = 1056816",
                             " element size = 128 pixels", false, EditedColour, 128}),
    [](const testing::TestParamInfo<ValueRow>& info) { return std::string(info.param.name); });

TEST(SettingsReadTest, TextAfterTheLastValueIsIgnored) {
    const std::string text = WithHeader(Join(EditedKeyLines(), "\r\n") + "garbage = 1\r\n");
    GameSettings settings;
    EXPECT_TRUE(Read(text, settings));
    EXPECT_EQ(settings, EditedSettings());
}

TEST_F(SettingsFileTest, WriteIntoAMissingFolderFailsAndCreatesNothing) {
    EXPECT_FALSE(WriteSettingsFile(folder_ / "missing" / "settings.cfg", EditedSettings()));
    EXPECT_TRUE(folderEntries().empty());
}

TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFileIntact) {
    writeRaw(DefaultFile);

    bool isWritten = false;
    {
        // Files of this process may not grow beyond 100 bytes, so the new text breaks off
        // half-way.
        const FileSizeCap cap(100);
        ASSERT_TRUE(cap.isInForce());
        isWritten = WriteSettingsFile(path_, EditedSettings());
    }

    EXPECT_FALSE(isWritten);
    EXPECT_EQ(readRaw(), DefaultFile);
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{path_});  // no temporary file left over
}

TEST_F(SettingsFileTest, WriteReplacesAnExistingFile) {
    writeRaw(DefaultFile);
    ASSERT_TRUE(WriteSettingsFile(path_, EditedSettings()));
    EXPECT_EQ(readRaw(), FormatSettings(EditedSettings()));
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{path_});
}

// Dotfile managers keep the file elsewhere and link it here.
TEST_F(SettingsFileTest, LinkedFileStaysALinkAndItsTargetGetsTheText) {
    fs::create_directory(folder_ / "dotfiles");
    const fs::path target = folder_ / "dotfiles" / "tessary.cfg";
    std::ofstream(target, std::ios::binary) << DefaultFile;
    fs::create_symlink(fs::path("dotfiles") / "tessary.cfg", path_);

    ASSERT_TRUE(WriteSettingsFile(path_, EditedSettings()));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(fs::read_symlink(path_), fs::path("dotfiles") / "tessary.cfg");
    EXPECT_EQ(readRaw(), FormatSettings(EditedSettings()));
    EXPECT_EQ((std::vector<fs::path>{fs::directory_iterator(folder_ / "dotfiles"), {}}),
              std::vector<fs::path>{target});  // the temporary was made beside the target
}

TEST_F(SettingsFileTest, ReplacedFileKeepsItsPermissions) {
    writeRaw(DefaultFile);
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path_, mode);
    ASSERT_TRUE(WriteSettingsFile(path_, EditedSettings()));
    EXPECT_EQ(fs::status(path_).permissions(), mode);
}

struct AppendRow {
    const char* name;
    std::string folder;
    std::string expected;
};

class AppendFileNameTest : public testing::TestWithParam<AppendRow> {};

TEST_P(AppendFileNameTest, AddsASeparatorOnlyWhenNeeded) {
    EXPECT_EQ(AppendFileName(GetParam().folder, "settings.cfg"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AppendFileNameTest,
    testing::Values(AppendRow{"plainFolder", "/opt/tessary", "/opt/tessary/settings.cfg"},
                    AppendRow{"endsInSlash", "/opt/tessary/", "/opt/tessary/settings.cfg"},
                    AppendRow{"endsInBackslash", "C:\\games\\", "C:\\games\\settings.cfg"},
                    AppendRow{"root", "/", "/settings.cfg"},
                    AppendRow{"emptyStaysRelative", "", "settings.cfg"}),
    [](const testing::TestParamInfo<AppendRow>& info) { return std::string(info.param.name); });

TEST(ProgramFolderTest, IsTheFolderOfThisExecutable) {
    const std::string& folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(fs::is_regular_file(folder + program_invocation_short_name));
    EXPECT_EQ(&ProgramFolder(), &folder);  // fixed once
    EXPECT_EQ(SettingsFilePath(), folder + "settings.cfg");
}

}  // namespace
}  // namespace tessary
