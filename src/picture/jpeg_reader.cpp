#include "picture/jpeg_reader.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "picture/codec_guard.h"
#include "picture/jpeg_errors.h"
#include "picture/reader_support.h"

namespace tessary {

namespace {

// A real progressive file has about ten scans; thousands only burn time.
constexpr int kMaxScans = 1000;

// The libjpeg state of one decoding, destroyed whatever happens.
struct JpegDecoder {
    JpegErrors errors;
    jpeg_decompress_struct object{};
    jpeg_progress_mgr progress{};

    JpegDecoder() { object.err = InstallJpegErrors(errors); }
    ~JpegDecoder() { jpeg_destroy_decompress(&object); }
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    template <class Body>
    void run(Body&& body) {
        if (!RunGuarded(errors.jump, body)) {
            throw PictureReadError(errors.message);
        }
    }
};

void LimitScans(j_common_ptr object) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(object);
    if (decompress->input_scan_number > kMaxScans) {
        RaiseJpegError(object, "too many scans");
    }
}

std::string FormatNameOf(const jpeg_decompress_struct& object) {
    if (object.saw_JFIF_marker) {
        char name[64];
        std::snprintf(name, sizeof name, "JPEG / JFIF %d.%.2d", object.JFIF_major_version,
                      object.JFIF_minor_version);
        return name;
    }
    return object.saw_Adobe_marker ? "JPEG / Adobe" : "JPEG / Unknown";
}

// Stored CMYK (K in the fourth byte) to blue, green, red: channel = round(ink x K / 255).
void CmykToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width) {
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        const unsigned k = cmyk[3];
        bgr[0] = static_cast<std::uint8_t>((2 * cmyk[2] * k + 255) / 510);
        bgr[1] = static_cast<std::uint8_t>((2 * cmyk[1] * k + 255) / 510);
        bgr[2] = static_cast<std::uint8_t>((2 * cmyk[0] * k + 255) / 510);
    }
}

PictureBuffer CreateOutputPicture(const jpeg_decompress_struct& object) {
    const bool isGrey = object.out_color_space == JCS_GRAYSCALE;
    PictureHeader header;
    header.width = static_cast<std::int32_t>(object.output_width);
    header.height = static_cast<std::int32_t>(object.output_height);
    header.bitsPerPixel = isGrey ? 8 : 24;
    std::vector<ColourEntry> greys;
    if (isGrey) {
        for (int i = 0; i < 256; ++i) {
            const auto level = static_cast<std::uint8_t>(i);
            greys.push_back({level, level, level, 0});
        }
    }
    PictureBuffer picture = PictureBuffer::Create(header, greys);
    if (picture.isEmpty()) {
        throw PictureReadError("can't allocate memory for the picture", true);
    }
    return picture;
}

LoadResult ReadJpeg(std::span<const std::uint8_t> bytes, std::optional<PreviewSize> previewSize) {
    JpegDecoder decoder;
    jpeg_decompress_struct& object = decoder.object;
    decoder.run([&] {
        jpeg_create_decompress(&object);
        object.mem->max_memory_to_use = static_cast<long>(kMaxPictureBytes);
        decoder.progress.progress_monitor = LimitScans;
        object.progress = &decoder.progress;
        jpeg_mem_src(&object, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&object, TRUE);
    });
    // The coefficients of a progressive picture are held whole: refuse absurd sizes early.
    if (!PixelBytes(8 * std::max(3, object.num_components), object.image_width,
                    object.image_height)) {
        throw PictureReadError("picture too large", true);
    }
    switch (object.out_color_space) {
        case JCS_GRAYSCALE:
        case JCS_CMYK:
            break;
        case JCS_RGB:
            object.out_color_space = JCS_EXT_BGR;
            break;
        default:
            throw PictureReadError("unsupported colour space");
    }
    if (previewSize) {
        object.dct_method = JDCT_IFAST;
        object.do_fancy_upsampling = FALSE;
        object.scale_num = 1;
        object.scale_denom = static_cast<unsigned>(
            JpegPreviewReduction(static_cast<int>(object.image_width),
                                 static_cast<int>(object.image_height), *previewSize));
    }
    decoder.run([&] { jpeg_start_decompress(&object); });

    LoadResult result;
    result.picture = CreateOutputPicture(object);
    PictureBuffer& picture = result.picture;
    const bool isCmyk = object.out_color_space == JCS_CMYK;
    std::vector<std::uint8_t> cmykRow(isCmyk ? 4 * static_cast<std::size_t>(picture.width()) : 0);
    decoder.run([&] {
        while (object.output_scanline < object.output_height) {
            // Scanlines come top row first; the picture stores that row last.
            const int y = static_cast<int>(object.output_scanline);
            JSAMPROW row = isCmyk ? cmykRow.data() : picture.row(y);
            jpeg_read_scanlines(&object, &row, 1);
            if (isCmyk) {
                CmykToBgr(cmykRow.data(), picture.row(y), picture.width());
            }
        }
        jpeg_finish_decompress(&object);
    });
    result.info = {FormatNameOf(object), static_cast<std::int32_t>(object.image_width),
                   static_cast<std::int32_t>(object.image_height),
                   static_cast<std::uint16_t>(8 * object.num_components)};
    return result;
}

}  // namespace

int JpegPreviewReduction(int imageWidth, int imageHeight, PreviewSize preview) {
    if (preview.width <= 0 || preview.height <= 0 || imageWidth <= 0 || imageHeight <= 0) {
        return 1;
    }
    const double rx = static_cast<double>(imageWidth) / std::min(preview.width, imageWidth);
    const double ry = static_cast<double>(imageHeight) / std::min(preview.height, imageHeight);
    const double r = std::max(rx, ry);
    if (r < 2) {
        return 1;
    }
    if (r < 4) {
        return 2;
    }
    return r < 8 ? 4 : 8;
}

LoadResult ReadJpegStream(std::span<const std::uint8_t> bytes,
                          std::optional<PreviewSize> previewSize) {
    return CatchReadFailures([&] { return ReadJpeg(bytes, previewSize); });
}

LoadResult LoadJpegFile(const std::filesystem::path& path, std::optional<PreviewSize> previewSize) {
    return ReadPictureFile(path, [&](std::span<const std::uint8_t> bytes) {
        return ReadJpegStream(bytes, previewSize);
    });
}

}  // namespace tessary
