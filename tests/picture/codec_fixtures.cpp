#include "codec_fixtures.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

namespace tessary::testing {

std::vector<std::uint8_t> JpegFixture::bytes() const {
    jpeg_compress_struct object{};
    jpeg_error_mgr errors{};
    object.err = jpeg_std_error(&errors);  // a fixture error is a fault of the test: exit
    jpeg_create_compress(&object);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&object, &buffer, &size);
    object.image_width = static_cast<JDIMENSION>(width);
    object.image_height = static_cast<JDIMENSION>(height);
    object.input_components = components;
    object.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&object);
    jpeg_set_quality(&object, quality, TRUE);
    object.write_JFIF_header = hasJfif && components != 4 ? TRUE : FALSE;
    object.JFIF_minor_version = static_cast<UINT8>(jfifMinorVersion);
    if (hasAdobe) {
        object.write_Adobe_marker = TRUE;
    }
    if (isProgressive) {
        jpeg_simple_progression(&object);
    }
    jpeg_start_compress(&object, TRUE);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * components;
    while (object.next_scanline < object.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + object.next_scanline * rowBytes);
        jpeg_write_scanlines(&object, &row, 1);
    }
    jpeg_finish_compress(&object);
    jpeg_destroy_compress(&object);
    std::vector<std::uint8_t> encoded(buffer, buffer + size);
    std::free(buffer);
    return encoded;
}

namespace {

void AppendOutput(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

}  // namespace

std::vector<std::uint8_t> PngFixture::bytes() const {
    // Everything with a destructor exists before the long jump target.
    std::vector<std::uint8_t> out;
    std::vector<png_color> colours;
    for (const auto& entry : palette) {
        colours.push_back({entry[0], entry[1], entry[2]});
    }
    std::vector<png_bytep> pointers;
    for (const auto& row : rows) {
        pointers.push_back(const_cast<png_bytep>(row.data()));
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG fixture can't be encoded");
    }
    png_set_write_fn(png, &out, AppendOutput, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 bitDepth, colourType, isInterlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!colours.empty()) {
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    }
    png_color_16 colour{};
    if (!paletteAlpha.empty()) {
        png_set_tRNS(png, info, paletteAlpha.data(), static_cast<int>(paletteAlpha.size()),
                     nullptr);
    } else if (transparentColour) {
        colour.gray = (*transparentColour)[0];
        colour.red = (*transparentColour)[0];
        colour.green = (*transparentColour)[1];
        colour.blue = (*transparentColour)[2];
        png_set_tRNS(png, info, nullptr, 0, &colour);
    }
    png_color_16 backgroundColour{};
    if (background) {
        backgroundColour.index = static_cast<png_byte>((*background)[0]);
        backgroundColour.gray = (*background)[0];
        backgroundColour.red = (*background)[0];
        backgroundColour.green = (*background)[1];
        backgroundColour.blue = (*background)[2];
        png_set_bKGD(png, info, &backgroundColour);
    }
    if (gamma) {
        png_set_gAMA(png, info, *gamma);
    }
    if (isSrgb) {
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    }
    png_write_info(png, info);
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> Flat(int width, int height, std::vector<std::uint8_t> pixel) {
    std::vector<std::uint8_t> samples;
    for (int i = 0; i < width * height; ++i) {
        samples.insert(samples.end(), pixel.begin(), pixel.end());
    }
    return samples;
}

}  // namespace tessary::testing
