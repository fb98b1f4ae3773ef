#pragma once

#include <cstdint>

namespace tessary::assets {

// Noise over the unit square that wraps at its edges: a function of (u, v) in 0..1 whose
// values at u = 0 and u = 1 (and v = 0 and v = 1) agree, so a picture sampled from it tiles
// without seams. Lattices are given in cells across and down; a picture whose sides keep the
// ratio of the cell counts gets square cells.

/// A well-mixed hash of a lattice point and a seed, mapped to 0..1.
float HashUnit(int x, int y, std::uint32_t seed);

/// Gradient noise on a lattice of cellsX x cellsY cells, about -1..1.
float TileNoise(float u, float v, int cellsX, int cellsY, std::uint32_t seed);

/// Sum of `octaves` layers of TileNoise, each with twice the cells and half the weight of
/// the one before; normalised to about -1..1.
float TileFbm(float u, float v, int cellsX, int cellsY, int octaves, std::uint32_t seed);

/// Distances to the nearest and second-nearest feature point (one jittered point per cell,
/// in cell units) and the cell that holds the nearest one, on a wrapping lattice.
struct CellDistances {
    float nearest = 0;
    float second = 0;
    int cellX = 0;
    int cellY = 0;
};
CellDistances TileCells(float u, float v, int cellsX, int cellsY, std::uint32_t seed,
                        float jitter = 0.8f);

}  // namespace tessary::assets
