#include "field/scale_down.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/bitmap32.h"

namespace tessary {
namespace {

// For each scaled pixel of a range on one axis: the field pixels it reads and how much of each
// it covers, in units of 1 / numerator field pixel.
struct AxisTaps {
    std::vector<int> first;              // per scaled pixel: its first field pixel
    std::vector<std::uint32_t> offset;   // per scaled pixel: where its weights start, and one more
    std::vector<std::uint32_t> weights;  // per field pixel read
    std::vector<std::uint32_t> total;    // per scaled pixel: the sum of its weights

    AxisTaps(ZoomScale scale, int from, int to, int fieldLength) {
        const std::int64_t n = scale.numerator, d = scale.denominator;
        offset.push_back(0);
        for (int i = from; i < to; ++i) {
            const int x0 = std::max(scale.fieldFloor(i), 0);
            const int x1 = std::min(scale.fieldCeil(i + 1), fieldLength);
            first.push_back(x0);
            std::uint32_t sum = 0;
            for (int x = x0; x < x1; ++x) {
                const std::int64_t w = std::min((x + 1) * n, (i + 1) * d) - std::max(x * n, i * d);
                weights.push_back(static_cast<std::uint32_t>(w));
                sum += static_cast<std::uint32_t>(w);
            }
            offset.push_back(static_cast<std::uint32_t>(weights.size()));
            total.push_back(sum);
        }
    }

    int count(std::size_t i) const { return static_cast<int>(offset[i + 1] - offset[i]); }
};

// The sums of one scaled row, per channel; at most 255 * d * d = 255 * 2^20 each.
struct ChannelSums {
    std::vector<std::uint32_t> red, green, blue;

    explicit ChannelSums(std::size_t n) : red(n), green(n), blue(n) {}
    void clear() {
        std::fill(red.begin(), red.end(), 0);
        std::fill(green.begin(), green.end(), 0);
        std::fill(blue.begin(), blue.end(), 0);
    }
};

std::uint32_t RoundedQuotient(std::uint32_t sum, std::uint32_t total) {
    return (sum + total / 2) / total;
}

}  // namespace

void ScaleDownArea(const Bitmap32& source, Point sourceOrigin, Point fieldSize, ZoomScale scale,
                   const Rect& scaledArea, Bitmap32& out, Point at) {
    const Point scaledSize = scale.scaledSize(fieldSize);
    // The part of the area that exists both in the scaled field and in `out`.
    const Rect area{
        std::max({scaledArea.left, 0, scaledArea.left - at.x}),
        std::max({scaledArea.top, 0, scaledArea.top - at.y}),
        std::min({scaledArea.right, scaledSize.x, scaledArea.left - at.x + out.width()}),
        std::min({scaledArea.bottom, scaledSize.y, scaledArea.top - at.y + out.height()})};
    if (area.isEmpty())
        return;
    const Point to{at.x + area.left - scaledArea.left, at.y + area.top - scaledArea.top};
    const AxisTaps columns(scale, area.left, area.right, fieldSize.x);
    const AxisTaps rows(scale, area.top, area.bottom, fieldSize.y);
    const std::size_t width = static_cast<std::size_t>(area.width());
    ChannelSums sums(width);
    for (std::size_t j = 0; j < rows.total.size(); ++j) {
        sums.clear();
        for (int k = 0; k < rows.count(j); ++k) {
            const std::uint32_t wy = rows.weights[rows.offset[j] + static_cast<std::size_t>(k)];
            const std::uint32_t* line =
                source.row(rows.first[j] + k - sourceOrigin.y).data() - sourceOrigin.x;
            const std::uint32_t* w = columns.weights.data();
            for (std::size_t i = 0; i < width; ++i) {
                const std::uint32_t* p = line + columns.first[i];
                std::uint32_t r = 0, g = 0, b = 0;
                for (int m = columns.count(i); m > 0; --m, ++p, ++w) {
                    r += (*p >> 16 & 0xFF) * *w;
                    g += (*p >> 8 & 0xFF) * *w;
                    b += (*p & 0xFF) * *w;
                }
                sums.red[i] += r * wy;
                sums.green[i] += g * wy;
                sums.blue[i] += b * wy;
            }
        }
        std::uint32_t* target = out.row(to.y + static_cast<int>(j)).data() + to.x;
        for (std::size_t i = 0; i < width; ++i) {
            const std::uint32_t total = columns.total[i] * rows.total[j];
            target[i] = RoundedQuotient(sums.red[i], total) << 16 |
                        RoundedQuotient(sums.green[i], total) << 8 |
                        RoundedQuotient(sums.blue[i], total);
        }
    }
}

}  // namespace tessary
