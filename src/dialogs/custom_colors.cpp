#include "dialogs/custom_colors.h"

namespace tessary {

std::array<ColourRef, 16>& CustomColors() {
    static std::array<ColourRef, 16> colours = {
        0xA0A0C0, 0xA0B9C0, 0xA0C0B0, 0xB9C0A0, 0xC0B9A0, 0xC0A0A0, 0xC0A0B0, 0xB9A0C0,
        0x555580, 0x557680, 0x55806A, 0x768055, 0x807655, 0x805555, 0x80556A, 0x765580};
    return colours;
}

}  // namespace tessary
