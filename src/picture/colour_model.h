#pragma once

#include "picture/colour_ref.h"

namespace tessary {

/// A colour in the HSL model.
struct Hsl {
    double hue = -1;        // degrees, 0 <= hue < 360; -1 for a grey
    double saturation = 0;  // 0..1
    double lightness = 0;   // 0..1
};

/// RoundHalfUp((max(r, g, b) + min(r, g, b)) / 2): 0..255.
int Lightness(ColourRef colour);

/// The colour in the HSL model; a grey has hue -1 and saturation 0.
Hsl RgbToHsl(ColourRef colour);

/// The colour of an HSL value; saturation 0 gives the grey trunc(255 x lightness). Any hue
/// is taken modulo 360; out-of-range saturation and lightness are clamped to 0..1.
ColourRef HslToRgb(const Hsl& hsl);

}  // namespace tessary
