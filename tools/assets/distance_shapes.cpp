#include "distance_shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tessary::assets {
namespace {

float Length(Vec2 v) {
    return std::hypot(v.x, v.y);
}

float SegmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 ab{b.x - a.x, b.y - a.y};
    const Vec2 ap{p.x - a.x, p.y - a.y};
    const float lengthSquared = ab.x * ab.x + ab.y * ab.y;
    const float t =
        lengthSquared > 0 ? std::clamp((ap.x * ab.x + ap.y * ab.y) / lengthSquared, 0.0f, 1.0f) : 0;
    return Length({ap.x - ab.x * t, ap.y - ab.y * t});
}

}  // namespace

Shape Circle(Vec2 centre, float radius) {
    return [=](Vec2 p) { return Length({p.x - centre.x, p.y - centre.y}) - radius; };
}

Shape RoundedBox(Vec2 centre, Vec2 half, float radius) {
    return [=](Vec2 p) {
        const float qx = std::fabs(p.x - centre.x) - half.x + radius;
        const float qy = std::fabs(p.y - centre.y) - half.y + radius;
        return Length({std::max(qx, 0.0f), std::max(qy, 0.0f)}) + std::min(std::max(qx, qy), 0.0f) -
               radius;
    };
}

Shape Capsule(Vec2 a, Vec2 b, float radius) {
    return [=](Vec2 p) { return SegmentDistance(p, a, b) - radius; };
}

Shape Polygon(std::span<const Vec2> points) {
    std::vector<Vec2> corners(points.begin(), points.end());
    return [corners = std::move(corners)](Vec2 p) {
        float distance = 1e9f;
        int winding = 0;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Vec2 a = corners[i];
            const Vec2 b = corners[(i + 1) % corners.size()];
            distance = std::min(distance, SegmentDistance(p, a, b));
            const float side = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
            if (a.y <= p.y && b.y > p.y && side > 0)
                ++winding;
            else if (a.y > p.y && b.y <= p.y && side < 0)
                --winding;
        }
        return winding != 0 ? -distance : distance;
    };
}

Shape Ring(Vec2 centre, float radius, float halfThickness) {
    return [=](Vec2 p) {
        return std::fabs(Length({p.x - centre.x, p.y - centre.y}) - radius) - halfThickness;
    };
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](Vec2 p) { return std::min(a(p), b(p)); };
}

}  // namespace tessary::assets
