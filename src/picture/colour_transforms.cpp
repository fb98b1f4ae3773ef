#include "picture/colour_transforms.h"

#include <algorithm>
#include <array>

#include "picture/colour_model.h"
#include "picture/pixel_reader.h"

namespace tessary {

namespace {

bool IsPlainTrueColour(const PictureBuffer& picture) {
    return !picture.isEmpty() && !picture.hasBitFields() &&
           (picture.bitsPerPixel() == 24 || picture.bitsPerPixel() == 32);
}

// trunc(x / 255 + 0.5) for x >= 0.
std::uint8_t DivideBy255Rounded(unsigned x) {
    return static_cast<std::uint8_t>((2 * x + 255) / 510);
}

}  // namespace

bool TintGreys(PictureBuffer& picture, ColourRef fromColour, ColourRef toColour,
               bool shiftLightness) {
    if (!IsPlainTrueColour(picture)) {
        return false;
    }
    if (fromColour == toColour) {
        return true;
    }
    const Hsl from = RgbToHsl(fromColour);
    const Hsl to = RgbToHsl(toColour);
    const double hueShift = to.hue - from.hue;
    const double lightnessShift = shiftLightness ? to.lightness - from.lightness : 0;
    const double saturationShift = to.saturation - from.saturation;

    // A grey is known by its level alone, so the 256 possible results are computed once.
    std::array<ColourRef, 256> tinted{};
    for (int level = 0; level < 256; ++level) {
        Hsl grey = RgbToHsl(MakeColourRef(level, level, level));
        grey.hue += hueShift;
        if (grey.hue >= 360) {
            grey.hue -= 360;
        } else if (grey.hue < 0) {
            grey.hue += 360;
        }
        grey.lightness = std::clamp(grey.lightness + lightnessShift, 0.0, 1.0);
        grey.saturation = std::clamp(grey.saturation + saturationShift, 0.0, 1.0);
        tinted[static_cast<std::size_t>(level)] = HslToRgb(grey);
    }
    const std::size_t pixelSize = picture.bitsPerPixel() / 8;
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* p = picture.row(y);
        for (int x = 0; x < picture.width(); ++x, p += pixelSize) {
            if (p[0] == p[1] && p[1] == p[2]) {
                const ColourRef colour = tinted[p[0]];
                p[0] = static_cast<std::uint8_t>(BlueOf(colour));
                p[1] = static_cast<std::uint8_t>(GreenOf(colour));
                p[2] = static_cast<std::uint8_t>(RedOf(colour));
            }
        }
    }
    return true;
}

bool CompositeOverColour(PictureBuffer& picture, ColourRef colour) {
    if (!IsPlainTrueColour(picture) || picture.bitsPerPixel() != 32) {
        return false;
    }
    const std::array<unsigned, 3> under{static_cast<unsigned>(BlueOf(colour)),
                                        static_cast<unsigned>(GreenOf(colour)),
                                        static_cast<unsigned>(RedOf(colour))};
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* p = picture.row(y);
        for (int x = 0; x < picture.width(); ++x, p += 4) {
            const unsigned alpha = p[3];
            for (std::size_t c = 0; c < 3; ++c) {
                p[c] = alpha == 0 ? static_cast<std::uint8_t>(under[c])
                                  : DivideBy255Rounded(p[c] * alpha + under[c] * (255 - alpha));
            }
        }
    }
    return true;
}

PictureBuffer ConvertTo24Bit(const PictureBuffer& picture) {
    if (picture.isEmpty() || (picture.bitsPerPixel() != 16 && picture.bitsPerPixel() != 32)) {
        return {};
    }
    PictureHeader header = picture.header();
    header.size = 40;
    header.bitsPerPixel = 24;
    header.compression = kCompressionNone;
    PictureBuffer converted = PictureBuffer::Create(header);
    if (converted.isEmpty()) {
        return {};
    }
    const PixelReader reader(picture);
    for (int y = 0; y < picture.height(); ++y) {
        reader.readRowBgr(y, converted.row(y));
    }
    return converted;
}

}  // namespace tessary
