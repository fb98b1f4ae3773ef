// Times the real program in an X server as a player meets it: the start, a new game cut
// through the dialogs, and a saved game loaded with F3, from the input to the last large
// repaint of the main window seen through X Damage; and its memory along the way.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "repaint_watch.h"
#include "sample_photo.h"
#include "timing_run.h"
#include "x_keyboard.h"
#include "x_server.h"

namespace {

namespace fs = std::filesystem;
using namespace tessary::bench;

struct Options {
    fs::path program = TESSARY_PROGRAM;
    std::string picture;  // empty: a sample photo of our own
    Grid grid{56, 37, 27};
    int runs = 3;
    std::string display;
    bool isTraced = false;
};

constexpr int kPhotoWidth = 2000;
constexpr int kPhotoHeight = 1500;

[[noreturn]] void Usage() {
    std::fputs(
        "usage: window_timing [--program PATH] [--picture PATH] [--element-size N]\n"
        "                     [--columns C] [--rows R] [--runs N] [--display :N] [--trace]\n"
        "Without --picture a 2000 x 1500 sample photo is written and used; without --display\n"
        "and DISPLAY an Xvfb of its own is started. The grid defaults to 37 x 27 at 56 px.\n"
        "--trace lists each step's repaints of the main window (time, share of its area).\n",
        stderr);
    std::exit(2);
}

int PositiveNumber(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 1 || value > 1000000)
        Usage();
    return static_cast<int>(value);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--trace") {
            options.isTraced = true;
            continue;
        }
        if (i + 1 >= argc)
            Usage();
        const char* value = argv[++i];
        if (name == "--program")
            options.program = value;
        else if (name == "--picture")
            options.picture = fs::absolute(value).string();
        else if (name == "--element-size")
            options.grid.elementSize = PositiveNumber(value);
        else if (name == "--columns")
            options.grid.columns = PositiveNumber(value);
        else if (name == "--rows")
            options.grid.rows = PositiveNumber(value);
        else if (name == "--runs")
            options.runs = PositiveNumber(value);
        else if (name == "--display")
            options.display = value;
        else
            Usage();
    }
    return options;
}

// The first three fields of /proc/loadavg: a measure taken while the machine is busy is not
// worth much, so the table says how busy it was.
std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double MiB(std::int64_t kib) {
    return static_cast<double>(kib) / 1024.0;
}

// The columns of the table, each read from a run.
struct Column {
    const char* heading;
    int precision;
    double (*value)(const RunFigures&);
};

constexpr int kColumnWidth = 11;

const Column kColumns[] = {
    {"start s", 3, [](const RunFigures& f) { return f.startSeconds; }},
    {"create s", 3, [](const RunFigures& f) { return f.createSeconds; }},
    {"reload s", 3, [](const RunFigures& f) { return f.reloadSeconds; }},
    {"load s", 3, [](const RunFigures& f) { return f.loadSeconds; }},
    {"cpu create", 2, [](const RunFigures& f) { return f.createProcessorSeconds; }},
    {"cpu load", 2, [](const RunFigures& f) { return f.loadProcessorSeconds; }},
    {"RSS start", 1, [](const RunFigures& f) { return MiB(f.afterStart.residentKiB); }},
    {"RSS play", 1, [](const RunFigures& f) { return MiB(f.inPlay.residentKiB); }},
    {"peak", 1, [](const RunFigures& f) { return MiB(f.peakKiB); }},
    {"RSS load", 1, [](const RunFigures& f) { return MiB(f.afterLoad.residentKiB); }},
};

void PrintRow(const char* label, const std::vector<double>& values) {
    std::printf("%-7s", label);
    for (std::size_t i = 0; i < values.size(); ++i)
        std::printf("%*.*f", kColumnWidth, kColumns[i].precision, values[i]);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    try {
        std::string picture = options.picture;
        fs::path photoFolder;
        if (picture.empty()) {
            photoFolder =
                fs::temp_directory_path() / ("window_timing_photo." + std::to_string(::getpid()));
            fs::create_directories(photoFolder);
            picture = (photoFolder / "photo.jpg").string();
            if (!WriteSamplePhoto(picture, kPhotoWidth, kPhotoHeight))
                throw std::runtime_error("cannot write " + picture);
        }
        XServer server(options.display);
        RepaintWatch watch(server.display());
        XKeyboard keyboard(server.display());

        const Grid& grid = options.grid;
        std::printf("%s\npicture %s, cut %d x %d = %d pieces of %d px, display %s, load %s\n",
                    options.program.c_str(), picture.c_str(), grid.columns, grid.rows,
                    grid.columns * grid.rows, grid.elementSize, server.name().c_str(),
                    LoadAverage().c_str());
        std::printf(
            "seconds from the input to the last large repaint of the main window: start, create\n"
            "(Enter in the cut dialog), reload (F3 in the same process), load (F3 first thing in\n"
            "a fresh process); processor seconds of the create and the load, until the window\n"
            "was quiet; MiB resident after start, in play, peak of the first process, after the\n"
            "load\n");
        std::printf("%-7s", "run");
        for (const Column& column : kColumns)
            std::printf("%*s", kColumnWidth, column.heading);
        std::printf("\n");

        QuietRule rule;
        if (options.isTraced)
            rule.trace = stderr;
        std::vector<std::vector<double>> byColumn(std::size(kColumns));
        for (int run = 1; run <= options.runs; ++run) {
            const RunFigures figures =
                MeasureRun(server, watch, keyboard, options.program, picture, grid, rule);
            std::vector<double> row;
            for (std::size_t i = 0; i < std::size(kColumns); ++i) {
                row.push_back(kColumns[i].value(figures));
                byColumn[i].push_back(row.back());
            }
            PrintRow(std::to_string(run).c_str(), row);
        }
        std::vector<double> medians;
        for (const std::vector<double>& values : byColumn)
            medians.push_back(Median(values));
        PrintRow("median", medians);
        std::printf("load at the end %s\n", LoadAverage().c_str());
        if (!photoFolder.empty())
            fs::remove_all(photoFolder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window_timing: %s\n", error.what());
        return 1;
    }
    return 0;
}
