#include "persist/saved_game_store.h"

#include <gtest/gtest.h>

#include <ostream>

#include "game/message_texts.h"
#include "temp_folder.h"

namespace tessary {
namespace {

using testing::TempFolder;

TEST(SavedGameStoreTest, PathsAddTheSeparatorOnlyWhenMissing) {
    EXPECT_EQ(SavedGamePath("/opt/tessary/save", "Лес"), "/opt/tessary/save/Лес.tsy");
    EXPECT_EQ(SavedGamePath("/opt/tessary/save/", "a"), "/opt/tessary/save/a.tsy");
    EXPECT_EQ(SavedPicturePath("/opt/tessary/save", "a b"), "/opt/tessary/save/a b.bmp");
    EXPECT_EQ(SavedGamePath("/opt/tessary/save", ""), "");
    EXPECT_TRUE(SavedGamesFolder().ends_with("/save"));
}

struct NameRow {
    const char* name;
    std::string_view text;
    const char* problem;
};

void PrintTo(const NameRow& row, std::ostream* out) {
    *out << row.name;
}

class SavedGameNameTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(SavedGameNameTest, GivesTheDialogsText) {
    const char* problem = SavedGameNameProblem(GetParam().text);
    if (GetParam().problem == nullptr) {
        EXPECT_EQ(problem, nullptr);
    } else {
        ASSERT_NE(problem, nullptr);
        EXPECT_STREQ(problem, GetParam().problem);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SavedGameNameTest,
                         ::testing::Values(NameRow{"plain", "Лесное озеро", nullptr},
                                           NameRow{"dots_inside", "v1.2...", nullptr},
                                           NameRow{"three_dots", "...", nullptr},
                                           NameRow{"empty", "", kEmptyNameMessage},
                                           NameRow{"slash", "../settings", kSeparatorInNameMessage},
                                           NameRow{"backslash", "a\\b", kSeparatorInNameMessage},
                                           NameRow{"nul", std::string_view("a\0b", 3),
                                                   kNulInNameMessage},
                                           NameRow{"dot", ".", kDotNameMessage},
                                           NameRow{"dot_dot", "..", kDotNameMessage}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SavedGameStoreTest, ListsGameFilesByName) {
    TempFolder folder;
    for (const char* file :
         {"b.tsy", "a.tsy", "a.bmp", "c.TSY", "d.tsy.123.tmp", ".tsy", "no picture.tsy", "x.txt"}) {
        folder.write(file, {1});
    }
    std::filesystem::create_directory(folder.path("dir.tsy"));
    const std::string root = folder.path("").string();
    EXPECT_EQ(ListSavedGames(root), (std::vector<std::string>{"a", "b", "c", "no picture"}));
    EXPECT_TRUE(ListSavedGames(folder.path("missing").string()).empty());
}

struct SpellingRow {
    const char* name;
    std::vector<const char*> files;
    const char* listed;             // the one name listed
    const char* gameFile;           // the file SavedGamePath names
    const char* picture;            // the file SavedPicturePath names
    std::vector<std::string> left;  // after DeleteSavedGame of the listed name
};

void PrintTo(const SpellingRow& row, std::ostream* out) {
    *out << row.name;
}

class ExtensionCaseTest : public ::testing::TestWithParam<SpellingRow> {};

// A game that is listed is read from, replaced in and deleted from the files it has.
TEST_P(ExtensionCaseTest, ListedGameNamesItsOwnFilesAndIsDeletedWhole) {
    const SpellingRow& row = GetParam();
    TempFolder folder;
    for (const char* file : row.files) {
        folder.write(file, {1});
    }
    const std::string root = folder.path("").string();
    ASSERT_EQ(ListSavedGames(root), std::vector<std::string>{row.listed});
    EXPECT_EQ(SavedGamePath(root, row.listed), folder.path(row.gameFile).string());
    EXPECT_EQ(SavedPicturePath(root, row.listed), folder.path(row.picture).string());
    EXPECT_TRUE(DeleteSavedGame(root, row.listed).empty());
    EXPECT_EQ(folder.names(), row.left);
    EXPECT_TRUE(ListSavedGames(root).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExtensionCaseTest,
    ::testing::Values(
        SpellingRow{"lower_case", {"g.tsy", "g.bmp"}, "g", "g.tsy", "g.bmp", {}},
        SpellingRow{"upper_case", {"G.TSY", "G.BMP"}, "G", "G.TSY", "G.BMP", {}},
        SpellingRow{"mixed_case_with_jpeg", {"g.Tsy", "g.bMp", "g.JPG"}, "g", "g.Tsy", "g.bMp", {}},
        SpellingRow{
            "both_spellings_are_one_game", {"g.tsy", "g.TSY", "g.BMP"}, "g", "g.tsy", "g.BMP", {}},
        SpellingRow{"picture_missing", {"G.TSY"}, "G", "G.TSY", "G.bmp", {}},
        SpellingRow{"the_name_keeps_its_case",
                    {"G.TSY", "g.bmp", "g.txt"},
                    "G",
                    "G.TSY",
                    "G.bmp",
                    {"g.bmp", "g.txt"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedGameStoreTest, DeleteRemovesEveryFileOfTheNameOnly) {
    TempFolder folder;
    for (const char* file : {"g.tsy", "g.bmp", "g.jpg", "h.tsy", "h.bmp"}) {
        folder.write(file, {1});
    }
    const std::string root = folder.path("").string();
    EXPECT_TRUE(DeleteSavedGame(root, "g").empty());
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"h.bmp", "h.tsy"}));
    EXPECT_TRUE(DeleteSavedGame(root, "g").empty());  // missing files are no error
    EXPECT_TRUE(DeleteSavedGame(root, "..").empty());
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST(SavedGameStoreTest, DeleteNamesTheFilesItCouldNotRemove) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path("g.bmp"));
    folder.write(std::filesystem::path("g.bmp/inside").string(), {1});
    folder.write("g.tsy", {1});
    const std::string root = folder.path("").string();
    EXPECT_EQ(DeleteSavedGame(root, "g"), std::vector<std::string>{"g.bmp"});
    EXPECT_FALSE(std::filesystem::exists(folder.path("g.tsy")));
}

}  // namespace
}  // namespace tessary
