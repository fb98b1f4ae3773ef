#pragma once

namespace tessary::assets {

// The scalar patterns of the ten background textures. Each maps a point (u, v) of the unit
// square to a tone 0..1 (dark to light) and wraps at the square's edges; the square is
// sampled at 160 x 120 pixels, so lattices of 4 x 3 cells (and their multiples) have square
// cells and whole-pixel patterns repeat exactly.

/// Long grain with growth lines, warped.
float WoodTone(float u, float v);
/// Pale stone crossed by soft dark veins.
float MarbleTone(float u, float v);
/// Pressed granules with dark pores.
float CorkTone(float u, float v);
/// Fine, even cloth with faint clouding.
float FeltTone(float u, float v);
/// Plain weave of uneven threads.
float LinenTone(float u, float v);
/// Rounded cobbles in dark mortar.
float StoneTone(float u, float v);
/// Staggered boards with grain and joints.
float ParquetTone(float u, float v);
/// Pebbled hide with creases.
float LeatherTone(float u, float v);
/// Smooth sheet with fibres.
float PaperTone(float u, float v);
/// Shallow water with a net of light.
float WaterTone(float u, float v);

}  // namespace tessary::assets
