// Checks the files the asset generator leaves in the build tree: the formats and sizes the
// window expects, and the properties the game relies on (textures tile without a seam, the
// cut samples are pure greys that the dialog can tint, sounds are short 16-bit PCM).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "picture/file_bytes.h"
#include "picture/load_picture_file.h"
#include "picture/png_reader.h"

namespace tessary {
namespace {

const std::filesystem::path kAssets = TESSARY_ASSET_DIR;

PictureBuffer LoadPngWithAlpha(const std::string& name) {
    const auto bytes = ReadFileBytes(kAssets / name);
    if (!bytes)
        return {};
    return LoadPngResource(*bytes, false, 0).picture;
}

struct PngCase {
    const char* name;
    int width;
    int height;
};

class PngAsset : public testing::TestWithParam<PngCase> {};

TEST_P(PngAsset, HasItsSizeAndAnAlphaChannel) {
    const PictureBuffer picture = LoadPngWithAlpha(GetParam().name);
    ASSERT_FALSE(picture.isEmpty()) << GetParam().name;
    EXPECT_EQ(picture.width(), GetParam().width);
    EXPECT_EQ(picture.height(), GetParam().height);
    EXPECT_EQ(picture.bitsPerPixel(), 32);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PngAsset,
    testing::Values(PngCase{"completion.png", 160, 160}, PngCase{"about_logo.png", 128, 128},
                    PngCase{"cursors/busy.png", 32, 32}, PngCase{"cursors/capture.png", 32, 32},
                    PngCase{"cursors/hint.png", 32, 32}, PngCase{"cursors/no_hint.png", 32, 32},
                    PngCase{"icons/size_grip.png", 15, 15}, PngCase{"icons/tessary_16.png", 16, 16},
                    PngCase{"icons/tessary_24.png", 24, 24},
                    PngCase{"icons/tessary_32.png", 32, 32},
                    PngCase{"icons/tessary_48.png", 48, 48},
                    PngCase{"icons/tessary_64.png", 64, 64},
                    PngCase{"icons/tessary_128.png", 128, 128},
                    PngCase{"icons/tessary_256.png", 256, 256}, PngCase{"about_band.png", 1024, 1}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

TEST(CutSamples, AreSevenDistinctGreyPicturesOfOneSize) {
    std::set<std::vector<std::uint8_t>> distinct;
    for (int id = 501; id <= 507; ++id) {
        const PictureBuffer sample =
            LoadPngWithAlpha("cut_samples/cut_sample_" + std::to_string(id) + ".png");
        ASSERT_FALSE(sample.isEmpty()) << id;
        EXPECT_EQ(sample.width(), 146) << id;
        EXPECT_EQ(sample.height(), 96) << id;
        int opaque = 0;
        for (int y = 0; y < sample.height(); ++y) {
            const std::uint8_t* p = sample.row(y);
            for (int x = 0; x < sample.width(); ++x, p += 4) {
                // Only pixels of saturation 0 take the tint of the desktop.
                ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << id << " at " << x << ", " << y;
                opaque += p[3] == 255;
            }
        }
        EXPECT_GT(opaque, sample.width() * sample.height() / 2) << id;
        distinct.emplace(sample.pixels().begin(), sample.pixels().end());
    }
    EXPECT_EQ(distinct.size(), 7u);
}

double Lightness(const PictureBuffer& t, int x, int y) {
    const ColourEntry& c = t.palette()[t.row(y)[x]];
    return (c.red + c.green + c.blue) / 3.0;
}

// Mean lightness step between columns x and x + 1 (the last column wrapping to the first), and
// the same for rows.
double ColumnStep(const PictureBuffer& t, int x) {
    double sum = 0;
    for (int y = 0; y < t.height(); ++y)
        sum += std::abs(Lightness(t, x, y) - Lightness(t, (x + 1) % t.width(), y));
    return sum / t.height();
}

double RowStep(const PictureBuffer& t, int y) {
    double sum = 0;
    for (int x = 0; x < t.width(); ++x)
        sum += std::abs(Lightness(t, x, y) - Lightness(t, x, (y + 1) % t.height()));
    return sum / t.width();
}

class TextureAsset : public testing::TestWithParam<int> {};

TEST_P(TextureAsset, IsA256ColourBitmapThatTilesWithoutASeam) {
    const auto path = kAssets / "textures" / ("texture_" + std::to_string(GetParam()) + ".bmp");
    const LoadResult loaded = LoadPictureFile(path);
    ASSERT_TRUE(loaded.isLoaded()) << path;
    const PictureBuffer& texture = loaded.picture;
    ASSERT_EQ(texture.width(), 160);
    ASSERT_EQ(texture.height(), 120);
    ASSERT_EQ(texture.bitsPerPixel(), 8);

    // The step across the wrap must look like any other step inside the picture.
    double inside = 0;
    for (int x = 0; x + 1 < texture.width(); ++x)
        inside = std::max(inside, ColumnStep(texture, x));
    EXPECT_LE(ColumnStep(texture, texture.width() - 1), inside);
    inside = 0;
    for (int y = 0; y + 1 < texture.height(); ++y)
        inside = std::max(inside, RowStep(texture, y));
    EXPECT_LE(RowStep(texture, texture.height() - 1), inside);
}

INSTANTIATE_TEST_SUITE_P(BackgroundIds, TextureAsset,
                         testing::Values(356, 357, 358, 359, 360, 361, 362, 363, 366, 367));

TEST(SamplePictures, Are1024By768InTheFormatTheirNameSays) {
    for (const char* name :
         {"mountain_lake.jpg", "sunset_dunes.jpg", "northern_lights.jpg", "kaleidoscope.png"}) {
        const LoadResult loaded = LoadPictureFile(kAssets / "pictures" / name);
        ASSERT_TRUE(loaded.isLoaded()) << name;
        EXPECT_EQ(loaded.info.width, 1024) << name;
        EXPECT_EQ(loaded.info.height, 768) << name;
        const bool isPng = std::filesystem::path(name).extension() == ".png";
        EXPECT_EQ(loaded.info.formatName.rfind(isPng ? "Portable Network Graphics" : "JPEG", 0), 0u)
            << name << ": " << loaded.info.formatName;
    }
}

std::uint32_t Field(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | b[at + static_cast<std::size_t>(i)];
    return value;
}

struct SoundCase {
    const char* name;
    double shortest;  // seconds
    double longest;
};

class SoundAsset : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundAsset, IsMono16BitPcmOfItsLength) {
    const auto bytes = ReadFileBytes(kAssets / "sounds" / GetParam().name);
    ASSERT_TRUE(bytes && bytes->size() > 44);
    const auto& b = *bytes;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Field(b, 4, 4), b.size() - 8);
    EXPECT_EQ(Field(b, 20, 2), 1u);  // PCM
    EXPECT_EQ(Field(b, 22, 2), 1u);  // mono
    EXPECT_EQ(Field(b, 24, 4), 44100u);
    EXPECT_EQ(Field(b, 34, 2), 16u);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    ASSERT_EQ(Field(b, 40, 4), b.size() - 44);
    const double seconds = static_cast<double>(b.size() - 44) / 2 / 44100;
    EXPECT_GE(seconds, GetParam().shortest);
    EXPECT_LE(seconds, GetParam().longest);
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundAsset,
                         testing::Values(SoundCase{"join.wav", 0.05, 0.3},
                                         SoundCase{"capture.wav", 0.1, 0.5},
                                         SoundCase{"rotation.wav", 0.1, 0.5},
                                         SoundCase{"congratu.wav", 1.5, 3.0}),
                         [](const auto& info) {
                             const std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace tessary
