#include "picture/load_picture_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <ostream>
#include <thread>
#include <vector>

#include "bmp_fixture.h"
#include "codec_fixtures.h"
#include "picture/bmp_reader.h"
#include "picture/file_bytes.h"
#include "picture/jpeg_reader.h"
#include "picture/picture_type.h"
#include "picture/png_reader.h"
#include "temp_folder.h"

namespace tessary {
namespace {

using testing::TempFolder;

struct ExtensionCase {
    const char* extension;
    PictureType type;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) {
    *os << (*c.extension ? c.extension : "none");
}

class PictureTypeTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(PictureTypeTest, ExtensionNamesItsTypeInAnyCase) {
    EXPECT_EQ(PictureTypeFromExtension(GetParam().extension), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Extensions, PictureTypeTest,
                         ::testing::Values(ExtensionCase{"bmp", kPictureTypeBmp},
                                           ExtensionCase{"dib", kPictureTypeBmp},
                                           ExtensionCase{"RLE", kPictureTypeBmp},
                                           ExtensionCase{"Jpg", kPictureTypeJpeg},
                                           ExtensionCase{"jpeg", kPictureTypeJpeg},
                                           ExtensionCase{"jfi", kPictureTypeJpeg},
                                           ExtensionCase{"JFIF", kPictureTypeJpeg},
                                           ExtensionCase{"png", kPictureTypePng},
                                           ExtensionCase{"gif", kPictureTypeUnknown},
                                           ExtensionCase{"", kPictureTypeUnknown},
                                           ExtensionCase{"bmpx", kPictureTypeUnknown}));

std::vector<std::uint8_t> SmallJpeg() {
    testing::JpegFixture jpeg;
    jpeg.width = 4;
    jpeg.height = 2;
    jpeg.samples = testing::Flat(4, 2, {1, 2, 3});
    return jpeg.bytes();
}

TEST(LoadPictureFileTest, UnknownExtensionFallsBackThroughEveryDecoder) {
    TempFolder folder;
    const LoadResult result = LoadPictureFile(folder.write("photo.dat", SmallJpeg()));
    ASSERT_TRUE(result.isLoaded()) << result.failure;
    EXPECT_EQ(result.picture.width(), 4);
    EXPECT_EQ(result.info.formatName, "JPEG / JFIF 1.01");
}

TEST(LoadPictureFileTest, KnownExtensionUsesOnlyItsDecoder) {
    TempFolder folder;
    EXPECT_FALSE(LoadPictureFile(folder.write("photo.PNG", SmallJpeg())).isLoaded());
    EXPECT_TRUE(LoadPictureFile(folder.write("photo.JPG", SmallJpeg())).isLoaded());
    testing::BmpFixture bmp;
    bmp.pixels = {0, 0, 255, 0};
    EXPECT_TRUE(LoadPictureFile(folder.write("sample.Rle", bmp.bytes())).isLoaded());
}

TEST(LoadPictureFileTest, MissingOrEmptyPathFailsAtOnce) {
    TempFolder folder;
    EXPECT_FALSE(LoadPictureFile(folder.path("none.bmp")).isLoaded());
    EXPECT_FALSE(LoadBmpFile("").isLoaded());
    EXPECT_FALSE(LoadJpegFile(folder.path("none.jpg")).isLoaded());
    EXPECT_FALSE(LoadPngFile(folder.path("none.png"), 0).isLoaded());
}

TEST(LoadPictureFileTest, FilesAreReadWholeWhateverTheirSize) {
    TempFolder folder;
    for (const std::size_t size : {0, 1, 65535, 65536, 65537, 1 << 20}) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
        EXPECT_EQ(ReadFileBytes(folder.write("file", bytes)), bytes) << size;
    }
    // A file without a size: what a pipe gives is read to its end.
    const std::filesystem::path pipe = folder.path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::vector<std::uint8_t> sent(200'000, 0x5A);
    std::thread writer([&] {
        std::ofstream(pipe, std::ios::binary)
            .write(reinterpret_cast<const char*>(sent.data()),
                   static_cast<std::streamsize>(sent.size()));
    });
    EXPECT_EQ(ReadFileBytes(pipe), sent);
    writer.join();
}

TEST(LoadPictureFileTest, UnknownFormatReportsNoMemoryShortage) {
    TempFolder folder;
    const LoadResult result = LoadPictureFile(folder.write("notes.txt", {'h', 'e', 'l', 'l', 'o'}));
    EXPECT_FALSE(result.isLoaded());
    EXPECT_FALSE(result.isOutOfMemory);
}

TEST(LoadPictureFileTest, OversizedBitmapReportsAMemoryShortage) {
    TempFolder folder;
    testing::BmpFixture bmp;
    bmp.width = 50000;
    bmp.height = 50000;
    const LoadResult result = LoadPictureFile(folder.write("huge.bmp", bmp.bytes()));
    EXPECT_FALSE(result.isLoaded());
    EXPECT_TRUE(result.isOutOfMemory);
}

}  // namespace
}  // namespace tessary
