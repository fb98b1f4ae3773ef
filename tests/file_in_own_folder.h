#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

/// A test of one file: a fresh folder of its own holds it, and goes with everything in it when
/// the test ends.
class FileInOwnFolderTest : public ::testing::Test {
protected:
    explicit FileInOwnFolderTest(const char* fileName) : fileName_(fileName) {}

    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tessary-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = folder_ / fileName_;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void writeRaw(std::string_view bytes) const {
        std::ofstream out(path_, std::ios::binary);
        out << bytes;
    }
    std::string readRaw() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::filesystem::path> folderEntries() const {
        return {std::filesystem::directory_iterator(folder_),
                std::filesystem::directory_iterator()};
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;

private:
    const char* fileName_;
};

}  // namespace tessary
