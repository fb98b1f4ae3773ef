#include "test_pictures.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "picture/pixel_reader.h"

namespace tessary::testing {

namespace {

struct LegendEntry {
    char symbol;
    ColourRef colour;
};

constexpr std::array<LegendEntry, 9> kLegend{{
    {'.', MakeColourRef(0, 0, 0)},
    {'#', MakeColourRef(255, 255, 255)},
    {'r', MakeColourRef(255, 0, 0)},
    {'g', MakeColourRef(0, 255, 0)},
    {'b', MakeColourRef(0, 0, 255)},
    {'y', MakeColourRef(255, 255, 0)},
    {'c', MakeColourRef(0, 255, 255)},
    {'m', MakeColourRef(255, 0, 255)},
    {'-', MakeColourRef(128, 128, 128)},
}};

std::size_t LegendIndexOf(ColourRef colour) {
    const auto* found = std::find_if(kLegend.begin(), kLegend.end(),
                                     [&](const LegendEntry& e) { return e.colour == colour; });
    if (found == kLegend.end()) {
        throw std::invalid_argument("colour outside the legend");
    }
    return static_cast<std::size_t>(found - kLegend.begin());
}

}  // namespace

PictureBuffer MakeFilledPicture(int width, int height,
                                const std::function<std::uint32_t(int x, int y)>& pixelAt) {
    PictureHeader header;
    header.width = width;
    header.height = height;
    header.bitsPerPixel = 24;
    PictureBuffer picture = PictureBuffer::Create(header);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = picture.row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixelAt(x, y);
            row[3 * x] = static_cast<std::uint8_t>(p);
            row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
    return picture;
}

PictureBuffer MakePicture(int width, int height, int bitsPerPixel, bool isTopDown) {
    PictureHeader header;
    header.width = width;
    header.height = isTopDown ? -height : height;
    header.bitsPerPixel = static_cast<std::uint16_t>(bitsPerPixel);
    std::vector<ColourEntry> palette;
    for (const LegendEntry& entry : kLegend) {
        palette.push_back({static_cast<std::uint8_t>(BlueOf(entry.colour)),
                           static_cast<std::uint8_t>(GreenOf(entry.colour)),
                           static_cast<std::uint8_t>(RedOf(entry.colour)), 0});
    }
    return PictureBuffer::Create(header, palette);
}

void SetPixel(PictureBuffer& picture, int x, int y, ColourRef colour) {
    std::uint8_t* row = picture.row(y);
    const int bits = picture.bitsPerPixel();
    if (bits >= 24) {
        std::uint8_t* p = row + static_cast<std::size_t>(x) * (bits / 8);
        p[0] = static_cast<std::uint8_t>(BlueOf(colour));
        p[1] = static_cast<std::uint8_t>(GreenOf(colour));
        p[2] = static_cast<std::uint8_t>(RedOf(colour));
        return;
    }
    const auto index = static_cast<unsigned>(LegendIndexOf(colour));
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    std::uint8_t& byte = row[x / perByte];
    const unsigned mask = ((1u << bits) - 1) << shift;
    byte = static_cast<std::uint8_t>((byte & ~mask) | (index << shift & mask));
}

PictureBuffer PictureFromArt(const std::vector<std::string>& art, int bitsPerPixel,
                             bool isTopDown) {
    PictureBuffer picture = MakePicture(static_cast<int>(art.front().size()),
                                        static_cast<int>(art.size()), bitsPerPixel, isTopDown);
    for (std::size_t y = 0; y < art.size(); ++y) {
        for (std::size_t x = 0; x < art[y].size(); ++x) {
            const auto* entry =
                std::find_if(kLegend.begin(), kLegend.end(),
                             [&](const LegendEntry& e) { return e.symbol == art[y][x]; });
            SetPixel(picture, static_cast<int>(x), static_cast<int>(y), entry->colour);
        }
    }
    return picture;
}

std::vector<std::string> ArtOf(const PictureBuffer& picture) {
    const PixelReader reader(picture);
    std::vector<std::string> art;
    for (int y = 0; y < picture.height(); ++y) {
        std::string line;
        for (int x = 0; x < picture.width(); ++x) {
            const ColourRef colour = reader.colourAt(x, y);
            const auto* entry =
                std::find_if(kLegend.begin(), kLegend.end(),
                             [&](const LegendEntry& e) { return e.colour == colour; });
            line += entry == kLegend.end() ? '?' : entry->symbol;
        }
        art.push_back(line);
    }
    return art;
}

std::vector<ColourRef> ColoursOf(const PictureBuffer& picture) {
    const PixelReader reader(picture);
    std::vector<ColourRef> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            colours.push_back(reader.colourAt(x, y));
        }
    }
    return colours;
}

}  // namespace tessary::testing
