#include "picture/colour_model.h"

#include <algorithm>
#include <cmath>

namespace tessary {

namespace {

// One channel of the two-value HSL conversion.
double ChannelOf(double low, double high, double hue) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) {
        hue += 360.0;
    }
    if (hue < 60) {
        return low + (high - low) * hue / 60;
    }
    if (hue < 180) {
        return high;
    }
    if (hue < 240) {
        return low + (high - low) * (240 - hue) / 60;
    }
    return low;
}

int ToByte(double channel) {
    return std::clamp(static_cast<int>(std::trunc(channel * 255 + 0.5)), 0, 255);
}

}  // namespace

int Lightness(ColourRef colour) {
    const int r = RedOf(colour);
    const int g = GreenOf(colour);
    const int b = BlueOf(colour);
    const int sum = std::max({r, g, b}) + std::min({r, g, b});
    return static_cast<int>(std::trunc(sum / 2.0 + 0.5));
}

Hsl RgbToHsl(ColourRef colour) {
    const double r = RedOf(colour);
    const double g = GreenOf(colour);
    const double b = BlueOf(colour);
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    Hsl hsl;
    hsl.lightness = (max + min) / 510;
    if (max == min) {
        return hsl;
    }
    const double range = max - min;
    hsl.saturation = hsl.lightness < 0.5 ? range / (max + min) : range / (510 - max - min);
    if (r == max) {
        hsl.hue = 60 * ((g - b) / range);
    } else if (g == max) {
        hsl.hue = 60 * ((b - r) / range + 2);
    } else {
        hsl.hue = 60 * ((r - g) / range + 4);
    }
    if (hsl.hue < 0) {
        hsl.hue += 360;
    }
    return hsl;
}

ColourRef HslToRgb(const Hsl& hsl) {
    const double lightness = std::clamp(hsl.lightness, 0.0, 1.0);
    const double saturation = std::clamp(hsl.saturation, 0.0, 1.0);
    if (saturation == 0) {
        const int grey = static_cast<int>(std::trunc(255 * lightness));
        return MakeColourRef(grey, grey, grey);
    }
    const double high = lightness <= 0.5 ? lightness * (1 + saturation)
                                         : lightness + saturation - lightness * saturation;
    const double low = 2 * lightness - high;
    return MakeColourRef(ToByte(ChannelOf(low, high, hsl.hue + 120)),
                         ToByte(ChannelOf(low, high, hsl.hue)),
                         ToByte(ChannelOf(low, high, hsl.hue - 120)));
}

}  // namespace tessary
