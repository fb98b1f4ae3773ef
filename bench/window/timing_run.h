#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "program_process.h"

namespace tessary::bench {

class RepaintWatch;
class XKeyboard;
class XServer;

/// The grid typed into the cut dialog.
struct Grid {
    int elementSize = 0;
    int columns = 0;
    int rows = 0;
};

/// What one run of the program measured. Times run from the input (the program's launch, the
/// Enter that confirms a dialog) to the last large repaint of the main window.
struct RunFigures {
    double startSeconds = 0;
    double createSeconds = 0;
    double reloadSeconds = 0;  // the saved game loaded in the process that created it
    double loadSeconds = 0;    // the saved game loaded first thing in a fresh process
    // Processor time the program used (its threads together) from the input until the main
    // window was quiet: less swayed than the times by other work on the machine.
    double createProcessorSeconds = 0;
    double loadProcessorSeconds = 0;
    Memory afterStart;
    Memory inPlay;             // after the new game settled
    std::int64_t peakKiB = 0;  // of the process that created and reloaded the game
    Memory afterLoad;          // the fresh process, after its load settled
};

/// How a run decides that the main window has finished a piece of work.
struct QuietRule {
    /// A repaint counts as large when it covers this share of the main window or more.
    double largeShare = 1.0 / 3.0;
    /// The window is quiet after this long without a large repaint, the program having used
    /// under a tenth of it in processor time (a worker or a frozen window is not quiet).
    std::chrono::milliseconds settle{1500};
    /// A step that is not quiet after this long fails the run.
    std::chrono::milliseconds limit{120000};
    /// Where each step's repaints of the main window are listed, or nowhere.
    std::FILE* trace = nullptr;
};

/// One run in a fresh portable copy of the program: start, a new game from `picture` cut to
/// `grid` through the real dialogs, a save with F2, the saved game loaded back with F3; then
/// the program started again and the game loaded with F3 at once.
/// Throws std::runtime_error, with the program's output, when a step goes wrong.
RunFigures MeasureRun(const XServer& server, RepaintWatch& watch, XKeyboard& keyboard,
                      const std::filesystem::path& program, const std::string& picture,
                      const Grid& grid, const QuietRule& rule);

}  // namespace tessary::bench
