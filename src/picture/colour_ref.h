#pragma once

#include <cstdint>

namespace tessary {

/// A colour reference 0x00BBGGRR: red in the low byte, then green, then blue.
using ColourRef = std::uint32_t;

constexpr ColourRef MakeColourRef(int red, int green, int blue) {
    return static_cast<ColourRef>(red & 0xFF) | static_cast<ColourRef>(green & 0xFF) << 8 |
           static_cast<ColourRef>(blue & 0xFF) << 16;
}

constexpr int RedOf(ColourRef colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(ColourRef colour) {
    return static_cast<int>(colour >> 8 & 0xFF);
}
constexpr int BlueOf(ColourRef colour) {
    return static_cast<int>(colour >> 16 & 0xFF);
}

}  // namespace tessary
