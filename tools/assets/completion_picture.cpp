#include "completion_picture.h"

#include <array>
#include <cmath>
#include <numbers>

#include "shape_painter.h"

namespace tessary::assets {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Vec2 kCentre{80, 80};

std::array<Vec2, 10> StarPoints(Vec2 centre, float outer, float inner) {
    std::array<Vec2, 10> points{};
    for (int i = 0; i < 10; ++i) {
        const float radius = i % 2 == 0 ? outer : inner;
        const float angle = -kPi / 2 + static_cast<float>(i) * kPi / 5;
        points[static_cast<std::size_t>(i)] = {centre.x + radius * std::cos(angle),
                                               centre.y + radius * std::sin(angle)};
    }
    return points;
}

Shape Sparkle(Vec2 centre, float size) {
    return Union(Capsule({centre.x - size, centre.y}, {centre.x + size, centre.y}, size / 5),
                 Capsule({centre.x, centre.y - size}, {centre.x, centre.y + size}, size / 5));
}

}  // namespace

RgbaImage MakeCompletionPicture() {
    RgbaImage image(160, 160);
    // Sixteen rays in two golds, fading a little towards the rim.
    const Paint rays = [](Vec2 p) {
        const float angle = std::atan2(p.y - kCentre.y, p.x - kCentre.x);
        const int ray = static_cast<int>(std::floor((angle + kPi) / (2 * kPi) * 16));
        const float distance = std::hypot(p.x - kCentre.x, p.y - kCentre.y) / 78;
        const Rgba base = ray % 2 == 0 ? Hex(0xFFD54A) : Hex(0xFFB02E);
        return Mix(base, Hex(0xFF8A1E), distance * distance);
    };
    FillAndStroke(image, Circle(kCentre, 76), rays, 3, Hex(0xC85A12));
    FillShape(image, Circle(kCentre, 50), Solid(Hex(0xFFF3C4, 0.55f)));

    const auto star = StarPoints({80, 84}, 56, 23);
    const Paint gold = [](Vec2 p) { return Mix(Hex(0xFFF07A), Hex(0xF2A000), (p.y - 28) / 100); };
    FillAndStroke(image, Polygon(star), gold, 3, Hex(0x9A4A00));
    const auto shine = StarPoints({72, 74}, 15, 6.5f);
    FillShape(image, Polygon(shine), Solid(Hex(0xFFFFFF, 0.7f)));

    for (const auto& [centre, size] : std::array<std::pair<Vec2, float>, 4>{
             {{{28, 34}, 9}, {{134, 40}, 7}, {{126, 128}, 9}, {{36, 124}, 6}}}) {
        FillShape(image, Sparkle(centre, size + 1.5f), Solid(Hex(0xC85A12)));
        FillShape(image, Sparkle(centre, size), Solid(Hex(0xFFFFFF)));
    }
    return image;
}

}  // namespace tessary::assets
