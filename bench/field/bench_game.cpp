#include "bench_game.h"

#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cutting_plan.h"
#include "core/field_region.h"
#include "core/game_random.h"
#include "core/knob_tables.h"
#include "field/rotation.h"
#include "field/viewport.h"
#include "test_pictures.h"

namespace tessary {

BenchGame::BenchGame(int rows, int columns) {
    ResetToDefaults(settings);
    settings.rotateElements = 0;
    CuttingPlan plan;
    plan.elementSize = 64;
    plan.columns = columns;
    plan.rows = rows;
    if (!DerivePlan(plan, settings))
        throw std::logic_error("no plan");
    picture = testing::MakeFilledPicture(columns * 64, rows * 64, VariedPixel);
    set = std::make_unique<ElementSet>(plan, OutlineGeometry::From(plan, settings),
                                       AssemblyOptions::From(settings));
    platform.fullScreenClient = {1920, 1050};
    field = std::make_unique<Field>(settings, platform);
    Field& f = *field;
    f.viewport.screenWidth = 1920;
    f.viewport.screenHeight = 1080;
    f.viewport.clientRect = {0, 0, 1920, 1050};
    f.picture = &picture;
    f.background.colour = 0xA0C0B0;
    f.elements = set.get();

    GameRandom random;
    const KnobTables tables =
        GenerateKnobTables(rows, columns, true, false, random, [] { return 7u; });
    std::vector<int> places(static_cast<std::size_t>(set->elementCount()));
    std::iota(places.begin(), places.end(), 0);
    std::shuffle(places.begin(), places.end(), std::mt19937(5));
    const int W = plan.bitmapSide;
    for (int i = 0; i < set->elementCount(); ++i) {
        const ElementEdges edges = AssignEdgeTables(tables, i);
        set->element(i).knobs = edges.knobs;
        set->element(i).knobShifts = edges.knobShifts;
        const int place = places[static_cast<std::size_t>(i)];
        set->placeElement(i, {W * (place % columns), W * (place / columns)});
        ReorientElement(f, i, 0);
    }
    const Point size = FieldSizeForGrid(f, columns, rows, W);
    SetFieldSize(f, size.x, size.y);
    painter = std::make_unique<FieldPainter>(f);
    set->setPainter(painter.get());
    RedrawField(f, {.clear = true});
}

std::uint32_t VariedPixel(int x, int y) {
    const auto byte = [](int value) { return static_cast<std::uint32_t>(value & 0xFF); };
    return byte(21 * x + 3 * y + 14) << 16 | byte(21 * x + 3 * y + 7) << 8 | byte(21 * x + 3 * y);
}

double PeakResidentMiB() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

namespace {

// A "Name:   1234 kB" line of /proc/self/status in KiB; 0 when it cannot be read.
double StatusKiB(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string key;
    double value = 0;
    while (status >> key) {
        if (key == name + ":" && status >> value)
            return value;
        status.ignore(256, '\n');
    }
    return 0;
}

}  // namespace

PeakMemoryGrowth::PeakMemoryGrowth() {
    std::ofstream("/proc/self/clear_refs") << "5";  // resets VmHWM to the current VmRSS
    startKiB_ = StatusKiB("VmRSS");
}

double PeakMemoryGrowth::MiB() const {
    return (StatusKiB("VmHWM") - startKiB_) / 1024.0;
}

}  // namespace tessary
