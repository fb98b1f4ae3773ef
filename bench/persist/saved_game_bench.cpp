// Writing and reading game files of 1,000 and 5,000 elements. Every record carries one members
// flag per element of the game, so the file grows with the square of the element count.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <streambuf>
#include <system_error>

#include <memory>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/assembly_options.h"
#include "core/cutting_plan.h"
#include "core/element_set.h"
#include "core/file_replace.h"
#include "core/game_settings.h"
#include "core/outline.h"
#include "persist/saved_game_reader.h"
#include "persist/saved_game_writer.h"
#include "picture/picture_buffer.h"

namespace tessary {
namespace {

// A game at S = 64 with an aspect of 2 : 1, half assembled: every row of the upper half is one
// block of linked elements, the rest lie alone, scattered a cell apart.
struct BenchSavedGame {
    explicit BenchSavedGame(int count) {
        plan.elementSize = 64;
        plan.rows = count == 5000 ? 50 : 25;
        plan.columns = count / plan.rows;
        if (!DerivePlan(plan, settings)) {
            throw std::logic_error("no plan");
        }
        set = std::make_unique<ElementSet>(plan, OutlineGeometry::From(plan, settings),
                                           AssemblyOptions::From(settings));
        for (int r = 0; r < plan.rows; ++r) {
            const bool isJoined = r < plan.rows / 2;
            MemberList row(static_cast<std::size_t>(plan.columns));
            std::iota(row.begin(), row.end(), r * plan.columns);
            for (int c = 0; c < plan.columns; ++c) {
                const int k = set->indexAt(r, c);
                Element& e = set->element(k);
                e.knobs = {r > 0 ? 1 : 0, c + 1 < plan.columns ? -1 : 0, 0, c > 0 ? 1 : 0};
                e.knobShifts = {0, (k % 3) - 1, 0, 0};
                const int spread = isJoined ? 1 : 2;
                set->placeElement(k, {c * spread * plan.bitmapSide, r * plan.bitmapSide});
                if (isJoined) {
                    e.alone = plan.columns == 1;
                    e.links = {-1, c + 1 < plan.columns ? k + 1 : -1, -1, c > 0 ? k - 1 : -1};
                }
            }
            if (isJoined) {
                set->assignBlock(row);
            }
        }
    }

    std::string bytes() const {
        std::ostringstream out;
        if (!WriteSavedGame(out, source())) {
            throw std::runtime_error("write failed");
        }
        return out.str();
    }

    SavedGameSource source() const { return {plan, settings, *set, {8000, 4000}, 3725}; }

    CuttingPlan plan;
    GameSettings settings;
    std::unique_ptr<ElementSet> set;
};

// Counts what is written and keeps nothing, so that only the encoding is measured.
class CountingBuffer : public std::streambuf {
public:
    std::size_t count = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += static_cast<std::size_t>(n);
        return n;
    }
    int_type overflow(int_type c) override {
        ++count;
        return traits_type::not_eof(c);
    }
};

void BM_SaveGame(benchmark::State& state) {
    const BenchSavedGame game(static_cast<int>(state.range(0)));
    std::size_t size = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        WriteSavedGame(out, game.source());
        size = buffer.count;
        benchmark::DoNotOptimize(size);
    }
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_SaveGame)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// The same into a file beside its target, synced to the disk and renamed over the target.
void BM_SaveGameFile(benchmark::State& state) {
    const BenchSavedGame game(static_cast<int>(state.range(0)));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("bench_persist_" + std::to_string(::getpid()));
    for (auto _ : state) {
        FileReplacement file(path);
        if (!WriteSavedGame(file.stream(), game.source()) || !file.finish() || !file.commit()) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    std::error_code error;
    std::filesystem::remove(path, error);
}
BENCHMARK(BM_SaveGameFile)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// The main thread's part of an automatic save, at every write: the tables copied, the block
// lists shared.
void BM_AutosaveSnapshot(benchmark::State& state) {
    const BenchSavedGame game(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SavedGameSnapshot snapshot = TakeSavedGameSnapshot(game.source());
        benchmark::DoNotOptimize(snapshot);
    }
}
BENCHMARK(BM_AutosaveSnapshot)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// The rest of it, once per game: the 24-bit picture of the grid copied for the first write.
void BM_AutosavePictureCopy(benchmark::State& state) {
    const BenchSavedGame game(static_cast<int>(state.range(0)));
    PictureHeader header;
    header.width = game.plan.columns * game.plan.elementSize;
    header.height = game.plan.rows * game.plan.elementSize;
    const PictureBuffer picture = PictureBuffer::Create(header);
    for (auto _ : state) {
        auto copy = std::make_shared<const PictureBuffer>(picture);
        benchmark::DoNotOptimize(copy);
    }
    state.counters["picture_MB"] = static_cast<double>(picture.pixels().size()) / 1e6;
}
BENCHMARK(BM_AutosavePictureCopy)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
    const std::string text = BenchSavedGame(static_cast<int>(state.range(0))).bytes();
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    for (auto _ : state) {
        SavedGameReadResult read = ReadSavedGame(bytes);
        if (!read.isRead()) {
            state.SkipWithError("the file was refused");
            break;
        }
        benchmark::DoNotOptimize(read);
    }
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadGame)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
