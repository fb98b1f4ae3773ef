#include "picture/png_reader.h"

#include <cstring>
#include <vector>

#include <png.h>

#include "picture/codec_guard.h"
#include "picture/reader_support.h"

namespace tessary {

namespace {

constexpr double kScreenGamma = 2.2;
constexpr double kDefaultFileGamma = 0.45455;
constexpr std::size_t kSignatureSize = 8;

// How the two entry points differ.
struct PngVariant {
    const char* formatName;
    bool isFlattened;
    bool isAlphaKept;  // a picture may come out with 4 channels
};

// The libpng state of one decoding and the memory it reads from, destroyed whatever happens.
struct PngDecoder {
    std::jmp_buf jump;
    char message[128] = {};
    std::span<const std::uint8_t> input;
    std::size_t position = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;

    explicit PngDecoder(std::span<const std::uint8_t> bytes) : input(bytes) {}
    ~PngDecoder() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    PngDecoder(const PngDecoder&) = delete;
    PngDecoder& operator=(const PngDecoder&) = delete;

    template <class Body>
    void run(Body&& body) {
        if (!RunGuarded(jump, body)) {
            throw PictureReadError(message);
        }
    }
};

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    auto* decoder = static_cast<PngDecoder*>(png_get_error_ptr(png));
    std::strncpy(decoder->message, message, sizeof decoder->message - 1);
    std::longjmp(decoder->jump, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ReadInput(png_structp png, png_bytep out, png_size_t length) {
    auto* decoder = static_cast<PngDecoder*>(png_get_io_ptr(png));
    if (length > decoder->input.size() - decoder->position) {
        png_error(png, "unexpected end of data");
    }
    std::memcpy(out, decoder->input.data() + decoder->position, length);
    decoder->position += length;
}

// Flattening over the file's background chunk, or else over the caller's colour.
void RequestBackground(png_structp png, png_infop info, ColourRef background) {
    png_color_16p fileBackground = nullptr;
    if (png_get_bKGD(png, info, &fileBackground)) {
        png_set_background(png, fileBackground, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
        return;
    }
    // libpng 1.6 takes this colour in the terms of the 8-bit output, also for a 16-bit file
    // whose samples are cut to 8 bits (scaling it by 257 would change the colour).
    png_color_16 colour{};
    colour.red = static_cast<png_uint_16>(RedOf(background));
    colour.green = static_cast<png_uint_16>(GreenOf(background));
    colour.blue = static_cast<png_uint_16>(BlueOf(background));
    // round((red + green + blue) / 3)
    colour.gray = static_cast<png_uint_16>((2 * (colour.red + colour.green + colour.blue) + 3) / 6);
    png_set_background(png, &colour, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
}

double FileGamma(png_structp png, png_infop info) {
    int intent = 0;
    double gamma = kDefaultFileGamma;
    if (png_get_sRGB(png, info, &intent) || !png_get_gAMA(png, info, &gamma)) {
        return kDefaultFileGamma;
    }
    return gamma;
}

std::vector<ColourEntry> ColourTableOf(png_structp png, png_infop info, bool isPalette) {
    std::vector<ColourEntry> table;
    png_colorp palette = nullptr;
    int count = 0;
    if (isPalette && png_get_PLTE(png, info, &palette, &count)) {
        for (int i = 0; i < count; ++i) {
            table.push_back({palette[i].blue, palette[i].green, palette[i].red, 0});
        }
        return table;
    }
    for (int i = 0; i < 256; ++i) {
        const auto level = static_cast<std::uint8_t>(i);
        table.push_back({level, level, level, 0});
    }
    return table;
}

LoadResult ReadPng(std::span<const std::uint8_t> bytes, const PngVariant& variant,
                   ColourRef background) {
    if (bytes.size() < kSignatureSize || png_sig_cmp(bytes.data(), 0, kSignatureSize) != 0) {
        throw PictureReadError("not a PNG file");
    }
    PngDecoder decoder(bytes);
    decoder.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &decoder, OnError, OnWarning);
    if (decoder.png == nullptr) {
        throw PictureReadError("png_create_read_struct returned NULL");
    }
    decoder.info = png_create_info_struct(decoder.png);
    if (decoder.info == nullptr) {
        throw PictureReadError("png_create_info_struct returned NULL");
    }
    png_structp png = decoder.png;
    png_infop info = decoder.info;
    LoadResult result;
    int colourType = 0;
    decoder.run([&] {
        png_set_read_fn(png, &decoder, ReadInput);
        decoder.position = kSignatureSize;
        png_set_sig_bytes(png, kSignatureSize);
        png_read_info(png, info);
        const int bitDepth = png_get_bit_depth(png, info);
        colourType = png_get_color_type(png, info);
        result.info.width = static_cast<std::int32_t>(png_get_image_width(png, info));
        result.info.height = static_cast<std::int32_t>(png_get_image_height(png, info));
        result.info.bitsPerPixel =
            static_cast<std::uint16_t>(png_get_channels(png, info) * bitDepth);

        if (bitDepth == 16) {
            png_set_strip_16(png);
        }
        if (bitDepth < 8) {
            if (colourType == PNG_COLOR_TYPE_PALETTE) {
                png_set_packing(png);
            } else {
                png_set_expand_gray_1_2_4_to_8(png);
            }
        }
        if (png_get_valid(png, info, PNG_INFO_tRNS)) {
            png_set_expand(png);
        }
        if (variant.isFlattened) {
            RequestBackground(png, info, background);
        }
        png_set_gamma(png, kScreenGamma, FileGamma(png, info));
        if (colourType & PNG_COLOR_MASK_COLOR) {
            png_set_bgr(png);
        }
        png_set_interlace_handling(png);
        png_read_update_info(png, info);
    });
    result.info.formatName = variant.formatName;

    const int channels = png_get_channels(png, info);
    if (png_get_bit_depth(png, info) != 8 ||
        !(channels == 1 || channels == 3 || (channels == 4 && variant.isAlphaKept))) {
        throw PictureReadError("incorrect number of channels after transformations");
    }
    PictureHeader header;
    header.width = static_cast<std::int32_t>(png_get_image_width(png, info));
    header.height = static_cast<std::int32_t>(png_get_image_height(png, info));
    header.bitsPerPixel = static_cast<std::uint16_t>(8 * channels);
    const std::optional<std::size_t> stride = RowStride(header.bitsPerPixel, header.width);
    if (!stride || !PixelBytes(header.bitsPerPixel, header.width, header.height)) {
        throw PictureReadError("can't allocate memory for bitmap bits", true);
    }
    if (*stride < png_get_rowbytes(png, info)) {
        throw PictureReadError("number of row bytes not equal to scanline length");
    }
    const bool isPalette = colourType == PNG_COLOR_TYPE_PALETTE;
    std::vector<ColourEntry> table;
    if (channels == 1) {
        table = ColourTableOf(png, info, isPalette);
        header.coloursUsed = isPalette ? static_cast<std::uint32_t>(table.size()) : 0;
    }
    result.picture = PictureBuffer::Create(header, table);
    if (result.picture.isEmpty()) {
        throw PictureReadError("can't allocate memory for bitmap bits", true);
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(result.picture.height()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        rows[y] = result.picture.row(static_cast<int>(y));  // the top row is stored last
    }
    decoder.run([&] {
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
    });
    return result;
}

constexpr PngVariant kFileVariant{"Portable Network Graphics", true, false};

}  // namespace

LoadResult ReadPngStream(std::span<const std::uint8_t> bytes, ColourRef background) {
    return CatchReadFailures([&] { return ReadPng(bytes, kFileVariant, background); });
}

LoadResult LoadPngFile(const std::filesystem::path& path, ColourRef background) {
    return ReadPictureFile(path, [&](std::span<const std::uint8_t> bytes) {
        return ReadPngStream(bytes, background);
    });
}

LoadResult LoadPngResource(std::span<const std::uint8_t> bytes, bool isFlattened,
                           ColourRef background) {
    const PngVariant variant{"PNG", isFlattened, true};
    return CatchReadFailures([&] { return ReadPng(bytes, variant, background); });
}

}  // namespace tessary
