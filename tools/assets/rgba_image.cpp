#include "rgba_image.h"

#include <algorithm>

namespace tessary::assets {

Rgba Mix(const Rgba& from, const Rgba& to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Rgba Shade(const Rgba& colour, float factor) {
    auto channel = [factor](float c) {
        return factor <= 1.0f ? c * factor : c + (1.0f - c) * (factor - 1.0f);
    };
    return {channel(colour.r), channel(colour.g), channel(colour.b), colour.a};
}

void RgbaImage::blend(int x, int y, const Rgba& colour, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const float source = std::clamp(colour.a * coverage, 0.0f, 1.0f);
    if (source <= 0.0f)
        return;
    Rgba& under = at(x, y);
    const float kept = under.a * (1.0f - source);
    const float alpha = source + kept;
    auto over = [&](float top, float bottom) { return (top * source + bottom * kept) / alpha; };
    under = {over(colour.r, under.r), over(colour.g, under.g), over(colour.b, under.b), alpha};
}

}  // namespace tessary::assets
