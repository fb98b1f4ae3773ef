#include "sample_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

#include "tile_noise.h"

namespace tessary::assets {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kAspect = static_cast<float>(kSamplePictureWidth) / kSamplePictureHeight;

float Smooth(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Height of a mountain ridge at u, as a fraction of the picture height from the top.
float Ridge(float u, float base, float amplitude, unsigned seed) {
    const float n = TileFbm(u, 0.37f, 4, 3, 6, seed);
    return base - amplitude * (1.0f - std::fabs(n * 1.6f - 0.3f));
}

// Everything above the lake's shore; v may run a little below the horizon for reflections.
Rgba LakeScenery(float u, float v) {
    constexpr float kHorizon = 0.58f;
    const std::array<float, 3> ridges = {Ridge(u, 0.48f, 0.28f, 11), Ridge(u, 0.54f, 0.2f, 12),
                                         Ridge(u, 0.57f, 0.08f, 13)};
    if (v > ridges[2]) {
        const float tree = TileFbm(u, v, 64, 48, 3, 14);
        return Mix(Hex(0x1F3F1F), Hex(0x3E6B32),
                   0.5f + 0.5f * tree - 0.6f * (v - ridges[2]) / (kHorizon - ridges[2] + 0.01f));
    }
    if (v > ridges[1]) {
        const float rock = TileFbm(u, v, 32, 24, 4, 15);
        return Mix(Hex(0x3F5A66), Hex(0x6F8A8C), 0.5f + 0.6f * rock);
    }
    if (v > ridges[0]) {
        const float rock = TileFbm(u, v, 32, 24, 4, 16);
        const float snow = Smooth(0.06f, 0.02f, v - ridges[0]) * Smooth(0.3f, 0.24f, ridges[0]);
        const Rgba stone = Mix(Hex(0x6E7FA0), Hex(0x9AA6C0), 0.5f + 0.6f * rock);
        return Mix(stone, Hex(0xF4F8FF), std::clamp(snow + 0.4f * rock * snow, 0.0f, 1.0f));
    }
    Rgba sky = Mix(Hex(0x2F6FC8), Hex(0xCDE8F6), Smooth(0.0f, 0.5f, v));
    const float glow = std::exp(-std::hypot((u - 0.78f) * kAspect, v - 0.16f) * 6.0f);
    sky = Mix(sky, Hex(0xFFF6D8), glow);
    const float cloud = Smooth(0.05f, 0.55f, TileFbm(u, v * 2.5f, 4, 3, 6, 17));
    return Mix(sky, Hex(0xFFFFFF), cloud * 0.85f);
}

Rgba MountainLake(float u, float v) {
    constexpr float kHorizon = 0.58f;
    if (v < kHorizon)
        return LakeScenery(u, v);
    const float depth = (v - kHorizon) / (1.0f - kHorizon);
    const float wave = TileFbm(u, v * 6.0f, 8, 3, 4, 18);
    const float mirrored = 2 * kHorizon - v + 0.02f * depth * wave;
    const Rgba reflection = LakeScenery(u + 0.004f * wave, std::max(mirrored, 0.0f));
    const Rgba water = Mix(Hex(0x2A5F7F), Hex(0x0F3046), depth);
    Rgba lake = Mix(reflection, water, 0.35f + 0.45f * depth);
    const float sparkle = Smooth(0.55f, 0.8f, TileFbm(u, v * 8.0f, 32, 6, 2, 19));
    return Mix(lake, Hex(0xE8F6FF), sparkle * 0.5f * (1.0f - depth));
}

Rgba SunsetDunes(float u, float v) {
    constexpr float kHorizon = 0.52f;
    const std::array<float, 3> crests = {
        kHorizon - 0.04f + 0.03f * std::sin(kPi * (u * 3.0f + 0.3f)) +
            0.02f * TileFbm(u, 0.2f, 4, 3, 4, 21),
        0.62f + 0.06f * std::sin(kPi * (u * 2.2f + 1.1f)) + 0.03f * TileFbm(u, 0.5f, 4, 3, 4, 22),
        0.78f + 0.08f * std::sin(kPi * (u * 1.4f + 0.4f)) + 0.04f * TileFbm(u, 0.8f, 4, 3, 4, 23)};
    for (int layer = 2; layer >= 0; --layer) {
        const float crest = crests[static_cast<std::size_t>(layer)];
        if (v > crest) {
            // The lit face is on the left of the crest line's valley, the shade on the right.
            const float slope = std::sin(kPi * (u * (3.0f - static_cast<float>(layer) * 0.8f) +
                                                0.3f * static_cast<float>(layer)));
            const float ripples =
                0.5f +
                0.5f * std::sin(kPi * 2.0f *
                                (v * 90.0f + 6.0f * TileFbm(u, v, 16, 12, 3,
                                                            24 + static_cast<unsigned>(layer))));
            const float near = static_cast<float>(layer) / 2.0f;
            Rgba sand = Mix(Hex(0xF0A35A), Hex(0x9A4E3C), 0.5f - 0.5f * slope);
            sand = Mix(sand, Shade(sand, 0.8f), ripples * (0.3f + 0.4f * near));
            return Mix(sand, Hex(0xB06A7A), (1.0f - near) * 0.35f * Smooth(0.1f, 0.0f, v - crest));
        }
    }
    Rgba sky = v < 0.3f ? Mix(Hex(0x2C1E57), Hex(0xC8506A), v / 0.3f)
                        : Mix(Hex(0xC8506A), Hex(0xFFC26A), Smooth(0.3f, kHorizon, v));
    const float distance = std::hypot((u - 0.42f) * kAspect, v - 0.44f);
    sky = Mix(sky, Hex(0xFFE9A8), std::exp(-distance * 9.0f));
    if (distance < 0.065f)
        sky = Mix(Hex(0xFFF4C8), Hex(0xFFD27A), distance / 0.065f);
    const float streak = Smooth(0.15f, 0.6f, TileFbm(u, v, 2, 24, 5, 25));
    return Mix(sky, Hex(0xF08A8A), streak * 0.6f * Smooth(0.05f, 0.35f, v));
}

float Hills(float u) {
    return 0.7f + 0.06f * std::sin(kPi * (u * 2.0f + 0.2f)) + 0.05f * TileFbm(u, 0.3f, 4, 3, 5, 31);
}

// Pines standing on the hills: each slot of the ridge may hold one tree, a stack of three
// triangles; the shade of the tree or nothing.
std::optional<Rgba> Pine(float u, float v) {
    constexpr float kSlot = 0.018f;
    const int slot = static_cast<int>(std::floor(u / kSlot));
    for (int j = slot - 1; j <= slot + 1; ++j) {
        if (HashUnit(j, 0, 36) < 0.35f)
            continue;
        const float x = (static_cast<float>(j) + 0.3f + 0.4f * HashUnit(j, 1, 36)) * kSlot;
        const float base = Hills(x) + 0.015f;
        const float height = 0.05f + 0.07f * HashUnit(j, 2, 36);
        const float up = (base - v) / height;  // 0 at the foot, 1 at the tip
        if (up < 0 || up > 1)
            continue;
        const float tier = std::fmod(up * 3.0f, 1.0f);
        const float halfWidth = height * (0.34f * (1.0f - up) + 0.12f * (1.0f - tier));
        if (std::fabs(u - x) * kAspect < halfWidth)
            return Mix(Hex(0x0A1820), Hex(0x20404A), tier * 0.6f);
    }
    return std::nullopt;
}

Rgba NorthernLights(float u, float v) {
    if (const auto pine = Pine(u, v))
        return *pine;
    const float hills = Hills(u);
    if (v > hills) {
        const float shade = 0.5f + 0.5f * TileFbm(u, v, 16, 12, 5, 32);
        const Rgba snow = Mix(Hex(0x9FB4D8), Hex(0xE6EEFF), shade);
        return Mix(snow, Hex(0x5A7BAF), Smooth(0.0f, 0.3f, v - hills) * 0.5f);
    }
    Rgba sky = Mix(Hex(0x040818), Hex(0x18375A), Smooth(0.0f, 0.75f, v));
    const int x = static_cast<int>(u * kSamplePictureWidth);
    const int y = static_cast<int>(v * kSamplePictureHeight);
    const float star = HashUnit(x, y, 33);
    if (star > 0.9975f)
        sky = Mix(sky, Hex(0xFFFFFF), (star - 0.9975f) / 0.0025f);
    const float middle =
        0.32f + 0.1f * std::sin(kPi * (u * 2.4f + 0.5f)) + 0.06f * TileFbm(u, 0.1f, 4, 3, 4, 34);
    const float rays = 0.5f + 0.5f * TileFbm(u + 0.03f * v, v * 0.15f, 48, 3, 3, 35);
    const float below = v - middle;
    const float curtain =
        below > 0 ? std::exp(-below * below / 0.004f) : std::exp(-below * below / 0.03f);
    const Rgba light = Mix(Hex(0x3CFFA0), Hex(0xA050FF), Smooth(0.0f, -0.25f, below));
    return Mix(sky, light, std::clamp(curtain * rays * 1.2f, 0.0f, 0.9f));
}

Rgba Hue(float h) {
    const auto channel = [h](float offset) {
        return 0.5f + 0.5f * std::cos(2 * kPi * (h + offset));
    };
    return {channel(0.0f), channel(2.0f / 3.0f), channel(1.0f / 3.0f), 1.0f};
}

Rgba Kaleidoscope(float u, float v) {
    const float x = (u - 0.5f) * kAspect;
    const float y = v - 0.5f;
    const float r = std::hypot(x, y);
    float a = std::atan2(y, x) + kPi;  // 0..2 pi
    const float sector = kPi / 6.0f;
    a = std::fmod(a, 2 * sector);
    if (a > sector)
        a = 2 * sector - a;  // mirror every other sector
    const float px = r * std::cos(a);
    const float py = r * std::sin(a);
    const float pattern = TileFbm(px * 0.9f, py * 0.9f, 8, 8, 4, 41);
    const float rings = 0.5f + 0.5f * std::sin(r * 70.0f + pattern * 8.0f);
    Rgba colour = Hue(pattern * 1.5f + r * 1.2f);
    colour = Mix(colour, Shade(colour, 0.35f), Smooth(0.55f, 0.95f, rings));
    return Mix(colour, Hex(0xFFFFFF), Smooth(0.06f, 0.0f, r) * 0.8f);
}

RgbaImage Render(const std::function<Rgba(float, float)>& scene) {
    RgbaImage image(kSamplePictureWidth, kSamplePictureHeight);
    for (int y = 0; y < kSamplePictureHeight; ++y) {
        for (int x = 0; x < kSamplePictureWidth; ++x) {
            Rgba c = scene((static_cast<float>(x) + 0.5f) / kSamplePictureWidth,
                           (static_cast<float>(y) + 0.5f) / kSamplePictureHeight);
            c.a = 1.0f;
            image.at(x, y) = c;
        }
    }
    return image;
}

}  // namespace

std::vector<SamplePicture> MakeSamplePictures() {
    std::vector<SamplePicture> pictures;
    pictures.push_back({"mountain_lake.jpg", Render(MountainLake)});
    pictures.push_back({"sunset_dunes.jpg", Render(SunsetDunes)});
    pictures.push_back({"northern_lights.jpg", Render(NorthernLights)});
    pictures.push_back({"kaleidoscope.png", Render(Kaleidoscope)});
    return pictures;
}

}  // namespace tessary::assets
