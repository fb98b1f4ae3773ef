#pragma once

#include <array>

#include "picture/colour_ref.h"

namespace tessary {

/// The 16 custom colours both colour choosers offer, shared by the whole process: changed by
/// the choosers (also when they are cancelled), never saved.
std::array<ColourRef, 16>& CustomColors();

}  // namespace tessary
