#include "sample_files.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "bmp_fixture.h"
#include "codec_fixtures.h"
#include "picture/bmp_reader.h"
#include "picture/bmp_writer.h"
#include "picture/jpeg_reader.h"
#include "picture/pixel_reader.h"
#include "picture/png_reader.h"
#include "picture/rotate_picture.h"

namespace tessary::testing {

namespace {

std::vector<ColourEntry> Greys(int count) {
    std::vector<ColourEntry> table;
    for (int i = 0; i < count; ++i) {
        const auto level = static_cast<std::uint8_t>(i * 255 / (count - 1));
        table.push_back({level, level, static_cast<std::uint8_t>(255 - level), 0});
    }
    return table;
}

// Bytes that vary from pixel to pixel, so that every decoder has data to work on.
std::vector<std::uint8_t> Pattern(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 37 % 251);
    }
    return bytes;
}

BmpFixture Bitmap(int width, int height, int bits) {
    BmpFixture bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bitsPerPixel = static_cast<std::uint16_t>(bits);
    bmp.pixels = Pattern(*RowStride(bits, width) * static_cast<std::size_t>(std::abs(height)));
    if (bits <= 8) {
        bmp.palette = Greys(1 << bits);
    }
    return bmp;
}

std::vector<SampleFile> Bitmaps() {
    std::vector<SampleFile> files;
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        files.push_back(
            {"depth" + std::to_string(bits) + ".bmp", kPictureTypeBmp, Bitmap(7, 5, bits).bytes()});
    }
    files.push_back({"top_down.bmp", kPictureTypeBmp, Bitmap(5, -3, 24).bytes()});
    BmpFixture fields = Bitmap(6, 4, 16);
    fields.compression = kCompressionBitFields;
    fields.masks = BitMasks{0xF800, 0x07E0, 0x001F};
    files.push_back({"bitfields565.bmp", kPictureTypeBmp, fields.bytes()});
    BmpFixture v5 = Bitmap(3, 3, 32);
    v5.headerSize = 124;
    v5.compression = kCompressionBitFields;
    v5.masks = BitMasks{0xFF0000, 0xFF00, 0xFF};
    files.push_back({"v5_header.bmp", kPictureTypeBmp, v5.bytes()});
    BmpFixture rle8 = Bitmap(8, 4, 8);
    rle8.compression = kCompressionRle8;
    rle8.pixels = {3, 1, 0, 3, 9, 8, 7, 0, 0, 0, 0, 2, 2, 1, 5, 200, 0, 0, 8, 4, 0, 1};
    files.push_back({"rle8.bmp", kPictureTypeBmp, rle8.bytes()});
    BmpFixture rle4 = Bitmap(9, 3, 4);
    rle4.compression = kCompressionRle4;
    rle4.pixels = {5, 0x12, 0, 5, 0x34, 0x56, 0x70, 0, 0, 0, 0, 2, 3, 0, 4, 0xAB, 0, 1};
    files.push_back({"rle4.bmp", kPictureTypeBmp, rle4.bytes()});
    return files;
}

std::vector<SampleFile> Jpegs() {
    std::vector<SampleFile> files;
    for (int components : {1, 3, 4}) {
        JpegFixture jpeg;
        jpeg.width = 24;
        jpeg.height = 16;
        jpeg.components = components;
        jpeg.quality = 80;
        jpeg.samples = Pattern(24 * 16 * static_cast<std::size_t>(components));
        files.push_back(
            {"components" + std::to_string(components) + ".jpg", kPictureTypeJpeg, jpeg.bytes()});
    }
    JpegFixture progressive;
    progressive.width = 17;
    progressive.height = 9;
    progressive.samples = Pattern(17 * 9 * 3);
    progressive.isProgressive = true;
    progressive.hasJfif = false;
    progressive.hasAdobe = true;
    files.push_back({"progressive.jpg", kPictureTypeJpeg, progressive.bytes()});
    return files;
}

PngFixture Png(int colourType, int bitDepth, int channels) {
    PngFixture png;
    png.width = 5;
    png.height = 4;
    png.colourType = colourType;
    png.bitDepth = bitDepth;
    const std::size_t rowBytes = (5u * channels * bitDepth + 7) / 8;
    for (int y = 0; y < 4; ++y) {
        std::vector<std::uint8_t> row = Pattern(rowBytes + static_cast<std::size_t>(y));
        row.erase(row.begin(), row.begin() + y);
        png.rows.push_back(row);
    }
    return png;
}

std::vector<SampleFile> Pngs() {
    std::vector<SampleFile> files;
    files.push_back({"rgb8.png", kPictureTypePng, Png(2, 8, 3).bytes()});
    files.push_back({"rgba16.png", kPictureTypePng, Png(6, 16, 4).bytes()});
    files.push_back({"grey1.png", kPictureTypePng, Png(0, 1, 1).bytes()});
    files.push_back({"grey_alpha8.png", kPictureTypePng, Png(4, 8, 2).bytes()});
    PngFixture palette = Png(3, 4, 1);
    for (int i = 0; i < 16; ++i) {
        palette.palette.push_back(
            {static_cast<std::uint8_t>(i * 16), 0, static_cast<std::uint8_t>(255 - i)});
    }
    palette.paletteAlpha = {0, 128, 255};
    palette.background = {3, 0, 0};
    files.push_back({"palette4_trns_bkgd.png", kPictureTypePng, palette.bytes()});
    PngFixture interlaced = Png(2, 8, 3);
    interlaced.isInterlaced = true;
    interlaced.gamma = 1.0;
    interlaced.transparentColour = {0, 37, 74};
    files.push_back({"interlaced_gamma.png", kPictureTypePng, interlaced.bytes()});
    return files;
}

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "picture invariant broken: %s\n", what);
    std::abort();
}

// Pictures small enough to check pixel by pixel without slowing a fuzzer down.
constexpr long kCheckedPixels = 1 << 16;

void ExercisePicture(const LoadResult& result) {
    const PictureBuffer& picture = result.picture;
    if (picture.isEmpty()) {
        return;
    }
    if (picture.width() <= 0 || picture.height() <= 0 ||
        picture.pixels().size() != picture.stride() * static_cast<std::size_t>(picture.height()) ||
        picture.palette().size() !=
            static_cast<std::size_t>(PaletteSizeFor(picture.bitsPerPixel()))) {
        Broken("shape");
    }
    if (static_cast<long>(picture.width()) * picture.height() > kCheckedPixels) {
        return;
    }
    const PictureBuffer turned = RotatePictureQuarter(picture);
    if (turned.width() != picture.height() || turned.height() != picture.width()) {
        Broken("turned size");
    }
    std::ostringstream out;
    if (!WritePictureBmp(out, picture)) {
        Broken("written");
    }
    const std::string text = out.str();
    const LoadResult back = ReadBmpStream(std::vector<std::uint8_t>(text.begin(), text.end()));
    if (!back.isLoaded()) {
        Broken("read back");
    }
    const PixelReader before(picture);
    const PixelReader after(back.picture);
    const PixelReader turnedReader(turned);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const ColourRef colour = before.colourAt(x, y);
            if (after.colourAt(x, y) != colour) {
                Broken("colours read back");
            }
            if (turnedReader.colourAt(y, picture.width() - 1 - x) != colour) {
                Broken("colours turned");
            }
        }
    }
}

}  // namespace

std::vector<SampleFile> SampleFiles() {
    std::vector<SampleFile> files = Bitmaps();
    for (auto* more : {Jpegs, Pngs}) {
        std::vector<SampleFile> next = more();
        files.insert(files.end(), next.begin(), next.end());
    }
    return files;
}

void ExerciseReader(PictureType type, const std::vector<std::uint8_t>& bytes) {
    switch (type) {
        case kPictureTypeBmp:
            ExercisePicture(ReadBmpStream(bytes));
            break;
        case kPictureTypeJpeg:
            ExercisePicture(ReadJpegStream(bytes));
            ExercisePicture(ReadJpegStream(bytes, PreviewSize{40, 30}));
            break;
        case kPictureTypePng:
            ExercisePicture(ReadPngStream(bytes, MakeColourRef(10, 20, 30)));
            ExercisePicture(LoadPngResource(bytes, false, 0));
            break;
        case kPictureTypeUnknown:
            break;
    }
}

void ExerciseReaders(const std::vector<std::uint8_t>& bytes) {
    for (PictureType type : {kPictureTypeBmp, kPictureTypeJpeg, kPictureTypePng}) {
        ExerciseReader(type, bytes);
    }
}

}  // namespace tessary::testing
