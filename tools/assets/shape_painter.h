#pragma once

#include <functional>

#include "distance_shapes.h"
#include "rgba_image.h"

namespace tessary::assets {

/// A colour that may vary over the plane (gradients, shading).
using Paint = std::function<Rgba(Vec2)>;

/// A paint of one colour.
Paint Solid(const Rgba& colour);

/// Paints the inside of the shape over the image, edges smoothed over one pixel.
void FillShape(RgbaImage& image, const Shape& shape, const Paint& paint);

/// Paints a line of the given width along the shape's border, centred on it.
void StrokeShape(RgbaImage& image, const Shape& shape, float width, const Paint& paint);

/// Paints the shape and then its border line: the usual look of a cursor or an emblem.
void FillAndStroke(RgbaImage& image, const Shape& shape, const Paint& fill, float width,
                   const Rgba& line);

}  // namespace tessary::assets
