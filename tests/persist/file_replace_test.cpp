#include "core/file_replace.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace tessary {
namespace {

using testing::ReadAll;
using testing::TempFolder;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(FileReplaceTest, CommittedFileReplacesTheOldOne) {
    TempFolder folder;
    const auto path = folder.write("a.txt", Bytes("old"));
    FileReplacement file(path);
    ASSERT_TRUE(file.isOpen());
    file.stream() << "new";
    EXPECT_EQ(ReadAll(path), Bytes("old"));  // nothing changes before the commit
    ASSERT_TRUE(file.finish());
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(ReadAll(path), Bytes("new"));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"a.txt"});
}

TEST(FileReplaceTest, UncommittedFileLeavesTheOldOneAndNoTemporary) {
    TempFolder folder;
    const auto path = folder.write("a.txt", Bytes("old"));
    {
        FileReplacement finished(path);
        finished.stream() << "new";
        ASSERT_TRUE(finished.finish());
        FileReplacement unfinished(path);
        unfinished.stream() << "newer";
    }
    EXPECT_EQ(ReadAll(path), Bytes("old"));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"a.txt"});
}

TEST(FileReplaceTest, MissingFolderFailsWithoutCreatingAnything) {
    TempFolder folder;
    FileReplacement file(folder.path("missing") / "a.txt");
    EXPECT_FALSE(file.isOpen());
    file.stream() << "text";
    EXPECT_FALSE(file.finish());
    EXPECT_FALSE(file.commit());
    EXPECT_FALSE(ReplaceFile(folder.path("missing") / "b.txt", "text"));
    EXPECT_TRUE(folder.names().empty());
}

TEST(FileReplaceTest, LargeContentArrivesWhole) {
    TempFolder folder;
    const std::string text(300'000, 'x');
    ASSERT_TRUE(ReplaceFile(folder.path("big"), text));
    EXPECT_EQ(ReadAll(folder.path("big")).size(), text.size());
}

}  // namespace
}  // namespace tessary
