// Damaged and hostile files: every reader must refuse them or decode them within bounds.
// The sanitizer build turns any stray read or write into a failure.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "picture/bmp_reader.h"
#include "picture/jpeg_reader.h"
#include "picture/png_reader.h"
#include "sample_files.h"
#include "temp_folder.h"

namespace tessary {
namespace {

using testing::ExerciseReaders;
using testing::SampleFile;
using testing::SampleFiles;

class DamagedInputTest : public ::testing::TestWithParam<SampleFile> {};

LoadResult ReadAsItsType(const SampleFile& file) {
    switch (file.type) {
        case kPictureTypeBmp:
            return ReadBmpStream(file.bytes);
        case kPictureTypeJpeg:
            return ReadJpegStream(file.bytes);
        default:
            return ReadPngStream(file.bytes, 0);
    }
}

TEST_P(DamagedInputTest, SampleItselfLoads) {
    const LoadResult result = ReadAsItsType(GetParam());
    EXPECT_TRUE(result.isLoaded()) << result.failure;
    ExerciseReaders(GetParam().bytes);
}

TEST_P(DamagedInputTest, EveryTruncationIsSafe) {
    const std::vector<std::uint8_t>& bytes = GetParam().bytes;
    const std::size_t step = std::max<std::size_t>(1, bytes.size() / 300);
    for (std::size_t size = 0; size < bytes.size(); size += step) {
        ExerciseReaders({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)});
    }
}

TEST_P(DamagedInputTest, FlippedBitsAndBytesAreSafe) {
    std::mt19937 random(1234);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes = GetParam().bytes;
        const int changes = 1 + round % 4;
        for (int i = 0; i < changes; ++i) {
            const std::size_t at = random() % bytes.size();
            // Half the changes flip a bit; the others write 0xFF, which makes sizes, counts
            // and offsets absurd.
            bytes[at] = round % 2 ? static_cast<std::uint8_t>(bytes[at] ^ 1u << random() % 8)
                                  : std::uint8_t{0xFF};
        }
        ExerciseReaders(bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, DamagedInputTest, ::testing::ValuesIn(SampleFiles()));

// The fuzzers' corpora: the seeds made by make_picture_seeds and whatever fuzzing added.
TEST(FuzzCorpusTest, EveryCorpusFileIsSafeForEveryReader) {
    const std::filesystem::path corpus = TESSARY_PICTURE_CORPUS_DIR;
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (entry.is_regular_file()) {
            SCOPED_TRACE(entry.path().string());
            ExerciseReaders(testing::ReadAll(entry.path()));
            ++files;
        }
    }
    EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace tessary
