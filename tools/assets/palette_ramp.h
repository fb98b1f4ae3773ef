#pragma once

#include <array>
#include <initializer_list>

#include "picture/picture_header.h"

namespace tessary::assets {

/// A colour at a position 0..1 of a ramp.
struct RampStop {
    float at = 0;
    unsigned rgb = 0;  // 0xRRGGBB
};

/// A 256-entry colour table running through the stops (sorted by position, the first at 0,
/// the last at 1), linearly interpolated between them.
std::array<ColourEntry, 256> PaletteRamp(std::initializer_list<RampStop> stops);

}  // namespace tessary::assets
