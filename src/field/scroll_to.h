#pragma once

#include "core/geometry.h"

namespace tessary {

struct Field;

/// Scrolls the view so that it is centred on `fieldPoint`, as far as the scroll limits allow:
/// the held element's clip follows and the whole client area is repainted. Returns whether
/// the origin moved; nothing is done when it would not.
bool ScrollToCentre(Field& field, Point fieldPoint);

}  // namespace tessary
