#include "tile_noise.h"

#include <cmath>
#include <numbers>

namespace tessary::assets {
namespace {

int Wrap(int i, int period) {
    const int m = i % period;
    return m < 0 ? m + period : m;
}

float Fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

// Dot product of the lattice point's unit gradient with the offset (dx, dy).
float Gradient(int x, int y, std::uint32_t seed, float dx, float dy) {
    const float angle = HashUnit(x, y, seed) * 2.0f * std::numbers::pi_v<float>;
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

std::uint32_t Hash3(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13 | h >> 19) * 5u + 0xE6546B64u;
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

}  // namespace

float HashUnit(int x, int y, std::uint32_t seed) {
    return static_cast<float>(Hash3(x, y, seed) >> 8) / 16777216.0f;
}

float TileNoise(float u, float v, int cellsX, int cellsY, std::uint32_t seed) {
    const float x = u * static_cast<float>(cellsX);
    const float y = v * static_cast<float>(cellsY);
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const float dx = x - fx;
    const float dy = y - fy;
    const int x0 = Wrap(static_cast<int>(fx), cellsX);
    const int y0 = Wrap(static_cast<int>(fy), cellsY);
    const int x1 = Wrap(x0 + 1, cellsX);
    const int y1 = Wrap(y0 + 1, cellsY);
    const float n00 = Gradient(x0, y0, seed, dx, dy);
    const float n10 = Gradient(x1, y0, seed, dx - 1.0f, dy);
    const float n01 = Gradient(x0, y1, seed, dx, dy - 1.0f);
    const float n11 = Gradient(x1, y1, seed, dx - 1.0f, dy - 1.0f);
    const float sx = Fade(dx);
    const float sy = Fade(dy);
    const float top = n00 + (n10 - n00) * sx;
    const float bottom = n01 + (n11 - n01) * sx;
    return (top + (bottom - top) * sy) * std::numbers::sqrt2_v<float>;
}

float TileFbm(float u, float v, int cellsX, int cellsY, int octaves, std::uint32_t seed) {
    float sum = 0;
    float weight = 1;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * TileNoise(u, v, cellsX << i, cellsY << i, seed + static_cast<unsigned>(i));
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}

CellDistances TileCells(float u, float v, int cellsX, int cellsY, std::uint32_t seed,
                        float jitter) {
    const float x = u * static_cast<float>(cellsX);
    const float y = v * static_cast<float>(cellsY);
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    CellDistances result{1e9f, 1e9f, 0, 0};
    for (int j = cy - 2; j <= cy + 2; ++j) {
        for (int i = cx - 2; i <= cx + 2; ++i) {
            const int wx = Wrap(i, cellsX);
            const int wy = Wrap(j, cellsY);
            const float px =
                static_cast<float>(i) + 0.5f + jitter * (HashUnit(wx, wy, seed) - 0.5f);
            const float py = static_cast<float>(j) + 0.5f +
                             jitter * (HashUnit(wx, wy, seed ^ 0xA5A5A5A5u) - 0.5f);
            const float d = std::hypot(px - x, py - y);
            if (d < result.nearest) {
                result.second = result.nearest;
                result = {d, result.second, wx, wy};
            } else if (d < result.second) {
                result.second = d;
            }
        }
    }
    return result;
}

}  // namespace tessary::assets
