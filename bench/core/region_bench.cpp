#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/region.h"

// ---- Region ----------------------------------------------------------------------------------

namespace {

// A 20-point star about 100 x 100 pixels, with slanted edges everywhere: the size and point
// count of a piece outline.
std::vector<tessary::Point> StarPolygon(int cx, int cy) {
    std::vector<tessary::Point> points;
    for (int i = 0; i < 20; ++i) {
        const double angle = i * 3.14159265358979 / 10;
        const double radius = i % 2 == 0 ? 50 : 38;
        points.push_back({cx + static_cast<int>(std::lround(radius * std::cos(angle))),
                          cy + static_cast<int>(std::lround(radius * std::sin(angle)))});
    }
    return points;
}

void BM_RegionFromPolygon(benchmark::State& state) {
    const auto points = StarPolygon(60, 60);
    for (auto _ : state)
        benchmark::DoNotOptimize(tessary::Region::FromPolygon(points));
}
BENCHMARK(BM_RegionFromPolygon);

void BM_RegionFromEllipse(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tessary::Region::FromEllipse({0, 0, 100, 100}));
}
BENCHMARK(BM_RegionFromEllipse);

void BM_RegionUnion(benchmark::State& state) {
    const auto a = tessary::Region::FromPolygon(StarPolygon(60, 60));
    const auto b = tessary::Region::FromPolygon(StarPolygon(90, 80));
    for (auto _ : state)
        benchmark::DoNotOptimize(a | b);
}
BENCHMARK(BM_RegionUnion);

void BM_RegionUniteInPlace(benchmark::State& state) {
    const auto a = tessary::Region::FromPolygon(StarPolygon(60, 60));
    const auto b = tessary::Region::FromPolygon(StarPolygon(90, 80));
    tessary::Region r;
    for (auto _ : state) {
        r = a;
        r |= b;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_RegionUniteInPlace);

void BM_RegionContains(benchmark::State& state) {
    const auto r = tessary::Region::FromPolygon(StarPolygon(60, 60)) ^
                   tessary::Region::FromEllipse({30, 30, 90, 90});
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r.contains(x, 60));
        x = (x + 7) % 128;
    }
}
BENCHMARK(BM_RegionContains);

}  // namespace

// ---- end of Region ---------------------------------------------------------------------------
