#include "palette_ramp.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace tessary::assets {
namespace {

std::uint8_t Channel(unsigned from, unsigned to, int shift, float t) {
    const float a = static_cast<float>(from >> shift & 0xFF);
    const float b = static_cast<float>(to >> shift & 0xFF);
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

}  // namespace

std::array<ColourEntry, 256> PaletteRamp(std::initializer_list<RampStop> stops) {
    const std::vector<RampStop> s(stops);
    std::array<ColourEntry, 256> palette{};
    std::size_t segment = 0;
    for (int i = 0; i < 256; ++i) {
        const float at = static_cast<float>(i) / 255.0f;
        while (segment + 2 < s.size() && at > s[segment + 1].at)
            ++segment;
        const RampStop& a = s[segment];
        const RampStop& b = s[segment + 1];
        const float t =
            b.at > a.at ? std::fmin(std::fmax((at - a.at) / (b.at - a.at), 0.0f), 1.0f) : 0.0f;
        palette[static_cast<std::size_t>(i)] = {Channel(a.rgb, b.rgb, 0, t),
                                                Channel(a.rgb, b.rgb, 8, t),
                                                Channel(a.rgb, b.rgb, 16, t), 0};
    }
    return palette;
}

}  // namespace tessary::assets
