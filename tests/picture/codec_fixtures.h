#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessary::testing {

/// A JPEG image encoded at test time with libjpeg.
struct JpegFixture {
    int width = 1;
    int height = 1;
    int components = 3;                 // 1 grey, 3 red-green-blue, 4 CMYK (stored as given)
    std::vector<std::uint8_t> samples;  // rows top-down, `components` bytes per pixel
    int quality = 100;
    bool hasJfif = true;  // for grey and colour; CMYK files carry the Adobe marker
    int jfifMinorVersion = 1;
    bool hasAdobe = false;
    bool isProgressive = false;

    std::vector<std::uint8_t> bytes() const;
};

/// A PNG image encoded at test time with libpng.
struct PngFixture {
    int width = 1;
    int height = 1;
    int colourType = 2;  // 0 grey, 2 colour, 3 palette, 4 grey + alpha, 6 colour + alpha
    int bitDepth = 8;
    std::vector<std::vector<std::uint8_t>> rows;       // packed as stored, 16-bit big-endian
    std::vector<std::array<std::uint8_t, 3>> palette;  // red, green, blue
    std::vector<std::uint8_t> paletteAlpha;            // tRNS of a palette picture
    std::optional<std::array<std::uint16_t, 3>> transparentColour;  // tRNS: grey in [0]
    std::optional<std::array<std::uint16_t, 3>> background;         // bKGD: grey or index in [0]
    std::optional<double> gamma;
    bool isSrgb = false;
    bool isInterlaced = false;

    std::vector<std::uint8_t> bytes() const;
};

/// The same samples repeated for every pixel of a width x height picture.
std::vector<std::uint8_t> Flat(int width, int height, std::vector<std::uint8_t> pixel);

}  // namespace tessary::testing
