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

// A pixel's red and blue channels in two 32-bit lanes, so one addition or multiplication works
// on both. A lane holds at most 255 * d * d < 2^28, so lanes never carry into each other.
std::uint64_t RedBlueLanes(std::uint32_t p) {
    return (p & 0xFF) | std::uint64_t{p & 0xFF0000} << 16;
}

std::uint32_t RoundedQuotient(std::uint64_t sum, std::uint32_t total) {
    return static_cast<std::uint32_t>((sum + total / 2) / total);
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
    // Per scaled row: the field rows it reads are summed column by column (weighted), then
    // each scaled pixel sums the columns it reads. Both passes run along memory.
    const int x0 = columns.first.front();
    const int x1 = columns.first.back() + columns.count(columns.first.size() - 1);
    const std::size_t span = static_cast<std::size_t>(x1 - x0);
    std::vector<std::uint64_t> redBlue(span);
    std::vector<std::uint32_t> green(span);
    for (std::size_t j = 0; j < rows.total.size(); ++j) {
        std::fill(redBlue.begin(), redBlue.end(), 0);
        std::fill(green.begin(), green.end(), 0);
        for (int k = 0; k < rows.count(j); ++k) {
            const std::uint32_t wy = rows.weights[rows.offset[j] + static_cast<std::size_t>(k)];
            const std::uint32_t* line =
                source.row(rows.first[j] + k - sourceOrigin.y).data() + (x0 - sourceOrigin.x);
            for (std::size_t x = 0; x < span; ++x) {
                redBlue[x] += RedBlueLanes(line[x]) * wy;
                green[x] += (line[x] >> 8 & 0xFF) * wy;
            }
        }
        std::uint32_t* target = out.row(to.y + static_cast<int>(j)).data() + to.x;
        const std::uint32_t* w = columns.weights.data();
        for (std::size_t i = 0; i < columns.total.size(); ++i) {
            std::uint64_t rb = 0;
            std::uint32_t g = 0;
            const std::size_t from = static_cast<std::size_t>(columns.first[i] - x0);
            for (std::size_t x = from; x < from + static_cast<std::size_t>(columns.count(i));
                 ++x, ++w) {
                rb += redBlue[x] * *w;
                g += green[x] * *w;
            }
            const std::uint32_t total = columns.total[i] * rows.total[j];
            target[i] = RoundedQuotient(rb >> 32, total) << 16 | RoundedQuotient(g, total) << 8 |
                        RoundedQuotient(rb & 0xFFFFFFFF, total);
        }
    }
}

}  // namespace tessary
