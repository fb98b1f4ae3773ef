#pragma once

#include <array>
#include <cstdint>

#include "core/geometry.h"

namespace tessary {

/// a / b rounded down and up, for any signs (b > 0).
constexpr std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return q * b > a ? q - 1 : q;
}
constexpr std::int64_t CeilDivide(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return q * b < a ? q + 1 : q;
}

/// The scale a view shows the field at: a field length L appears numerator * L / denominator
/// pixels long. Scaled pixel i covers the field interval [i * d / n, (i + 1) * d / n), so a
/// scaled pixel is the average of the field pixels it covers, weighted by how much of each it
/// covers. Invariant: 1 <= numerator <= denominator <= kMaxDenominator.
struct ZoomScale {
    static constexpr int kMaxDenominator = 1024;

    int numerator = 1;
    int denominator = 1;

    bool isIdentity() const { return numerator == denominator; }

    /// The scaled pixel that holds field coordinate `field` (floor), and the first scaled
    /// pixel wholly after it begins (ceil).
    int scaledFloor(int field) const {
        return static_cast<int>(FloorDivide(std::int64_t{field} * numerator, denominator));
    }
    int scaledCeil(int field) const {
        return static_cast<int>(CeilDivide(std::int64_t{field} * numerator, denominator));
    }
    /// The field pixel where scaled pixel `scaled` begins (floor), and the first field pixel
    /// wholly after that point (ceil).
    int fieldFloor(int scaled) const {
        return static_cast<int>(FloorDivide(std::int64_t{scaled} * denominator, numerator));
    }
    int fieldCeil(int scaled) const {
        return static_cast<int>(CeilDivide(std::int64_t{scaled} * denominator, numerator));
    }

    /// The scaled pixels that read any field pixel of `fieldArea`.
    Rect scaledCover(const Rect& fieldArea) const {
        return {scaledFloor(fieldArea.left), scaledFloor(fieldArea.top),
                scaledCeil(fieldArea.right), scaledCeil(fieldArea.bottom)};
    }
    /// The field pixels that the scaled pixels of `scaledArea` read.
    Rect fieldCover(const Rect& scaledArea) const {
        return {fieldFloor(scaledArea.left), fieldFloor(scaledArea.top),
                fieldCeil(scaledArea.right), fieldCeil(scaledArea.bottom)};
    }
    /// The size of the whole field scaled: every scaled pixel that covers some field pixel.
    Point scaledSize(Point fieldSize) const {
        return {scaledCeil(fieldSize.x), scaledCeil(fieldSize.y)};
    }

    /// Same scale, whatever the fraction's terms.
    friend bool operator==(const ZoomScale& a, const ZoomScale& b) {
        return std::int64_t{a.numerator} * b.denominator ==
               std::int64_t{b.numerator} * a.denominator;
    }
    /// Whether `a` shows the field smaller than `b`.
    friend bool operator<(const ZoomScale& a, const ZoomScale& b) {
        return std::int64_t{a.numerator} * b.denominator <
               std::int64_t{b.numerator} * a.denominator;
    }
};

/// The fixed zoom levels, largest first: 100 %, 75 %, 50 %, 33 % and 25 %.
inline constexpr std::array<ZoomScale, 5> kZoomLevels = {
    ZoomScale{1, 1}, ZoomScale{3, 4}, ZoomScale{1, 2}, ZoomScale{1, 3}, ZoomScale{1, 4}};

/// The largest scale, in steps of 1 / kMaxDenominator and at most 1, at which a field of
/// `fieldSize` fits within `clientSize` whole; reduced to lowest terms.
ZoomScale FitScale(Point fieldSize, Point clientSize);

}  // namespace tessary
