#include "texture_fields.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tile_noise.h"

namespace tessary::assets {
namespace {

constexpr float kTau = 2.0f * std::numbers::pi_v<float>;
constexpr int kWidth = 160;
constexpr int kHeight = 120;

float Smooth(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float Fraction(float x) {
    return x - std::floor(x);
}

// Independent value per pixel, for grit that must not blur.
float PixelGrain(float u, float v, unsigned seed) {
    return HashUnit(static_cast<int>(std::lround(u * kWidth)),
                    static_cast<int>(std::lround(v * kHeight)), seed);
}

}  // namespace

float WoodTone(float u, float v) {
    const float warp = TileFbm(u, v, 4, 3, 4, 11);
    const float streak = TileFbm(u, v, 2, 24, 3, 12);
    const float lines = Fraction(v * 9.0f + warp * 1.2f + streak * 0.35f);
    const float ring = std::pow(0.5f - 0.5f * std::cos(kTau * lines), 4.0f);
    const float fibre = TileFbm(u, v, 4, 60, 2, 13);
    return std::clamp(0.62f - 0.38f * ring + 0.12f * fibre + 0.08f * warp, 0.0f, 1.0f);
}

float MarbleTone(float u, float v) {
    const float turbulence = TileFbm(u, v, 4, 3, 5, 21);
    const float vein = 1.0f - std::fabs(std::sin(kTau * (u * 2.0f + v * 1.0f) + 4.5f * turbulence));
    const float fine =
        1.0f -
        std::fabs(std::sin(kTau * (u * 1.0f - v * 2.0f) + 6.0f * TileFbm(u, v, 8, 6, 4, 22)));
    const float cloud = TileFbm(u, v, 8, 6, 3, 23);
    const float tone =
        0.88f - 0.45f * std::pow(vein, 7.0f) - 0.2f * std::pow(fine, 24.0f) + 0.07f * cloud;
    return std::clamp(tone, 0.0f, 1.0f);
}

float CorkTone(float u, float v) {
    const CellDistances granule = TileCells(u, v, 32, 24, 31);
    const float granuleTone = HashUnit(granule.cellX, granule.cellY, 32);
    const float rim = Smooth(0.0f, 0.18f, granule.second - granule.nearest);
    const float pore = PixelGrain(u, v, 33) > 0.93f ? 0.25f : 0.0f;
    const float tone = 0.35f + 0.35f * granuleTone * rim + 0.15f * TileFbm(u, v, 16, 12, 2, 34) +
                       0.1f * rim - pore;
    return std::clamp(tone, 0.0f, 1.0f);
}

float FeltTone(float u, float v) {
    const float fuzz = TileFbm(u, v, 40, 30, 2, 41);
    const float cloud = TileFbm(u, v, 4, 3, 3, 42);
    return std::clamp(0.5f + 0.14f * fuzz + 0.12f * cloud + 0.12f * (PixelGrain(u, v, 43) - 0.5f),
                      0.0f, 1.0f);
}

float LinenTone(float u, float v) {
    // One thread every 4 pixels each way; the thread on top alternates from crossing to crossing.
    const float across = u * 40.0f;
    const float down = v * 30.0f;
    const bool isWarpOnTop =
        (static_cast<int>(std::floor(across)) + static_cast<int>(std::floor(down))) % 2 == 0;
    const float along = isWarpOnTop ? Fraction(across) : Fraction(down);
    const float profile = std::sin(std::numbers::pi_v<float> * along);
    const float slub = isWarpOnTop ? TileFbm(u, v, 40, 3, 2, 51) : TileFbm(u, v, 4, 30, 2, 52);
    return std::clamp(0.3f + 0.45f * profile + 0.15f * slub + 0.08f * TileFbm(u, v, 8, 6, 2, 53),
                      0.0f, 1.0f);
}

float StoneTone(float u, float v) {
    const float wu = u + 0.02f * TileFbm(u, v, 8, 6, 2, 61);
    const float wv = v + 0.027f * TileFbm(u, v, 8, 6, 2, 62);
    const CellDistances cobble = TileCells(wu, wv, 8, 6, 63, 0.7f);
    const float gap = cobble.second - cobble.nearest;
    const float body = Smooth(0.04f, 0.3f, gap);
    const float tone = 0.35f + 0.3f * HashUnit(cobble.cellX, cobble.cellY, 64) +
                       0.12f * TileFbm(u, v, 32, 24, 2, 65) - 0.25f * cobble.nearest;
    return std::clamp(0.08f + body * (tone - 0.08f), 0.0f, 1.0f);
}

float ParquetTone(float u, float v) {
    // Ten rows of boards 12 pixels high, each board 80 pixels long, joints staggered by row.
    const int x = static_cast<int>(std::lround(u * kWidth)) % kWidth;
    const int y = static_cast<int>(std::lround(v * kHeight)) % kHeight;
    const int row = y / 12;
    const int start = (row * 47) % 80;
    const int board = ((x - start + kWidth) % kWidth) / 80;
    const int along = (x - start + kWidth) % 80;
    if (y % 12 == 11 || along == 0)
        return 0.05f;
    const float tone = HashUnit(board, row, 71);
    const float grain = TileFbm(u, v, 4, 60, 3, 72 + static_cast<unsigned>(row));
    const float edge = (y % 12 == 0) ? 0.08f : 0.0f;
    return std::clamp(0.35f + 0.3f * tone + 0.18f * grain + edge, 0.0f, 1.0f);
}

float LeatherTone(float u, float v) {
    const CellDistances pebble = TileCells(u, v, 40, 30, 81, 0.9f);
    const float crease = 1.0f - Smooth(0.0f, 0.22f, pebble.second - pebble.nearest);
    const float mottle = TileFbm(u, v, 4, 3, 4, 82);
    const float tone = 0.55f + 0.2f * mottle - 0.35f * crease + 0.1f * (0.5f - pebble.nearest);
    return std::clamp(tone, 0.0f, 1.0f);
}

float PaperTone(float u, float v) {
    const float cloud = TileFbm(u, v, 8, 6, 3, 91);
    const float fibres = TileFbm(u, v, 40, 3, 2, 92) * TileFbm(u, v, 4, 30, 2, 93);
    return std::clamp(0.72f + 0.1f * cloud + 0.35f * fibres + 0.06f * (PixelGrain(u, v, 94) - 0.5f),
                      0.0f, 1.0f);
}

float WaterTone(float u, float v) {
    const float wu = u + 0.04f * TileFbm(u, v, 4, 3, 3, 101);
    const float wv = v + 0.05f * TileFbm(u, v, 4, 3, 3, 102);
    const CellDistances ripple = TileCells(wu, wv, 8, 6, 103, 0.9f);
    const float light = 1.0f - Smooth(0.0f, 0.16f, ripple.second - ripple.nearest);
    const float depth = TileFbm(u, v, 4, 3, 3, 104);
    return std::clamp(0.3f + 0.15f * depth + 0.55f * light * light, 0.0f, 1.0f);
}

}  // namespace tessary::assets
