#include "png_file.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace tessary::assets {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::uint8_t ToByte(float channel) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

// libpng reports errors by longjmp; nothing with a destructor lives in this frame.
bool Encode(std::FILE* file, int width, int height, bool hasAlpha, png_bytepp rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePng(const std::filesystem::path& path, const RgbaImage& image, bool hasAlpha) {
    const int channels = hasAlpha ? 4 : 3;
    const auto rowBytes = static_cast<std::size_t>(image.width() * channels);
    std::vector<std::uint8_t> bytes(rowBytes * static_cast<std::size_t>(image.height()));
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* out = bytes.data() + rowBytes * static_cast<std::size_t>(y);
        rows[static_cast<std::size_t>(y)] = out;
        for (int x = 0; x < image.width(); ++x) {
            const Rgba& p = image.at(x, y);
            *out++ = ToByte(p.r);
            *out++ = ToByte(p.g);
            *out++ = ToByte(p.b);
            if (hasAlpha)
                *out++ = ToByte(p.a);
        }
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    const bool isEncoded = Encode(file.get(), image.width(), image.height(), hasAlpha, rows.data());
    return std::fclose(file.release()) == 0 && isEncoded;
}

}  // namespace tessary::assets
