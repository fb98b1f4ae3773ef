#include "shape_painter.h"

#include <algorithm>
#include <cmath>

namespace tessary::assets {
namespace {

// Coverage of a pixel whose centre lies `distance` from the border (negative inside).
float CoverageAt(float distance) {
    return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

template <class Distance>
void PaintWhere(RgbaImage& image, Distance&& distance, const Paint& paint) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Vec2 centre{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            const float coverage = CoverageAt(distance(centre));
            if (coverage > 0)
                image.blend(x, y, paint(centre), coverage);
        }
    }
}

}  // namespace

Paint Solid(const Rgba& colour) {
    return [colour](Vec2) { return colour; };
}

void FillShape(RgbaImage& image, const Shape& shape, const Paint& paint) {
    PaintWhere(image, shape, paint);
}

void StrokeShape(RgbaImage& image, const Shape& shape, float width, const Paint& paint) {
    PaintWhere(
        image, [&](Vec2 p) { return std::fabs(shape(p)) - width / 2; }, paint);
}

void FillAndStroke(RgbaImage& image, const Shape& shape, const Paint& fill, float width,
                   const Rgba& line) {
    FillShape(image, shape, fill);
    StrokeShape(image, shape, width, Solid(line));
}

}  // namespace tessary::assets
