#pragma once

#include <functional>
#include <span>

namespace tessary::assets {

/// A point of the drawing plane, in pixels; pixel (x, y) covers x..x+1, y..y+1.
struct Vec2 {
    float x = 0;
    float y = 0;
};

/// A shape as a signed distance: negative inside, positive outside, in pixels.
using Shape = std::function<float(Vec2)>;

/// A disc.
Shape Circle(Vec2 centre, float radius);
/// A box around `centre` with half sides `half` and corners rounded by `radius`.
Shape RoundedBox(Vec2 centre, Vec2 half, float radius);
/// A segment from a to b thickened by `radius`, with round ends.
Shape Capsule(Vec2 a, Vec2 b, float radius);
/// A closed polygon (non-zero winding inside), the last point joining the first.
Shape Polygon(std::span<const Vec2> points);
/// A ring of the given middle radius and half thickness.
Shape Ring(Vec2 centre, float radius, float halfThickness);

/// Points in either shape.
Shape Union(Shape a, Shape b);

}  // namespace tessary::assets
