#include "field/zoom_scale.h"

#include <algorithm>
#include <numeric>

namespace tessary {

ZoomScale FitScale(Point fieldSize, Point clientSize) {
    constexpr std::int64_t d = ZoomScale::kMaxDenominator;
    if (fieldSize.x <= 0 || fieldSize.y <= 0)
        return {};
    // The largest n with ceil(field * n / d) <= client on both axes is floor(client * d / field).
    const std::int64_t n = std::clamp<std::int64_t>(
        std::min(std::int64_t{std::max(clientSize.x, 0)} * d / fieldSize.x,
                 std::int64_t{std::max(clientSize.y, 0)} * d / fieldSize.y),
        1, d);
    const std::int64_t g = std::gcd(n, d);
    return {static_cast<int>(n / g), static_cast<int>(d / g)};
}

}  // namespace tessary
