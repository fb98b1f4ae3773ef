#include "timing_run.h"

#include <cstdio>
#include <deque>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "core/cutting_plan.h"
#include "persist/saved_game_reader.h"
#include "repaint_watch.h"
#include "x_keyboard.h"
#include "x_server.h"

namespace tessary::bench {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr char kMainTitle[] = "Tessary from Kelvandor";
constexpr char kOpenTitle[] = "Загрузить картинку";
constexpr char kCutTitle[] = "Разрезка картинки";
constexpr char kSaveTitle[] = "Сохранить игру";
constexpr char kLoadTitle[] = "Загрузить игру";
constexpr auto kWindowTimeout = std::chrono::seconds(30);
constexpr auto kSample = milliseconds(50);
constexpr auto kIdlePeriod = milliseconds(500);

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

class Run {
public:
    Run(const XServer& server, RepaintWatch& watch, XKeyboard& keyboard, const fs::path& program,
        const QuietRule& rule)
        : server_(server), watch_(watch), keyboard_(keyboard), program_(program), rule_(rule) {}

    RunFigures measure(const std::string& picture, const Grid& grid);

private:
    /// Starts the program; the time to its main window's last large repaint.
    double start();
    /// Loads the saved game with F3 and Enter; the time from the Enter.
    double loadSavedGame(double* processorSeconds);
    /// Presses `key` in the focused window; the time to the main window's last large repaint.
    /// The processor time used until the window was quiet goes to `processorSeconds`.
    double timeKey(const char* key, double* processorSeconds);
    Window waitForWindow(const char* title);
    /// The last large repaint of the main window after `since`, the moment of the input, once
    /// the window is quiet; `usedBefore`, the program's processor time then, is for the trace.
    Clock::time_point lastLargeRepaint(Clock::time_point since, milliseconds usedBefore);
    /// Lists the repaints since `since` and the processor time the step used.
    void traceRepaints(Clock::time_point since, milliseconds used) const;
    /// Handles events for one sample and tells whether the program has used under a tenth of
    /// `period` in processor time over the last `period`.
    bool pumpAndCheckIdle(milliseconds period);
    /// The saved game's file, once it is written and the program idle.
    fs::path waitForSavedGame();
    void checkSavedGrid(const fs::path& saved, const Grid& grid) const;
    [[noreturn]] void fail(const std::string& what) const;

    const XServer& server_;
    RepaintWatch& watch_;
    XKeyboard& keyboard_;
    ProgramProcess program_;
    QuietRule rule_;
    Window main_ = None;
    std::deque<std::pair<Clock::time_point, milliseconds>> samples_;  // processor time used
};

RunFigures Run::measure(const std::string& picture, const Grid& grid) {
    RunFigures figures;
    figures.startSeconds = start();
    figures.afterStart = program_.memory();

    keyboard_.focus(main_);
    keyboard_.key("ctrl+n");
    keyboard_.focus(waitForWindow(kOpenTitle));
    keyboard_.type(picture);
    keyboard_.key("Return");
    keyboard_.focus(waitForWindow(kCutTitle));
    // The focus starts in the width field; past the height field and the ratio box lies the
    // size list, where Home and Down choose the size; past the four option boxes lie the
    // columns and rows fields, whose text a Tab selects.
    const int sizeIndex = ElementSizeChoiceIndex(grid.elementSize);
    if (sizeIndex < 0)
        fail("the cut dialog does not offer element size " + std::to_string(grid.elementSize));
    for (const char* key : {"Tab", "Tab", "Tab", "Home"})
        keyboard_.key(key);
    for (int i = 0; i < sizeIndex; ++i)
        keyboard_.key("Down");
    for (int i = 0; i < 5; ++i)
        keyboard_.key("Tab");
    keyboard_.type(std::to_string(grid.columns));
    keyboard_.key("Tab");
    keyboard_.type(std::to_string(grid.rows));
    figures.createSeconds = timeKey("Return", &figures.createProcessorSeconds);
    figures.inPlay = program_.memory();

    // The name proposed (the picture's) is taken as it is.
    keyboard_.focus(main_);
    keyboard_.key("F2");
    keyboard_.focus(waitForWindow(kSaveTitle));
    keyboard_.key("Return");
    checkSavedGrid(waitForSavedGame(), grid);

    double reloadProcessorSeconds = 0;
    figures.reloadSeconds = loadSavedGame(&reloadProcessorSeconds);
    figures.peakKiB = program_.memory().peakKiB;

    // As a player who comes back: a fresh process, the game loaded first thing. The killed
    // process asks no question of an interrupted game at the restart: without a move since
    // the save there is nothing autosaved.
    program_.kill();
    start();
    figures.loadSeconds = loadSavedGame(&figures.loadProcessorSeconds);
    figures.afterLoad = program_.memory();
    return figures;
}

double Run::start() {
    const Clock::time_point launched = Clock::now();
    program_.start(server_.name());
    main_ = waitForWindow(kMainTitle);
    return Seconds(lastLargeRepaint(launched, milliseconds(0)) - launched);
}

double Run::loadSavedGame(double* processorSeconds) {
    keyboard_.focus(main_);
    keyboard_.key("F3");
    // The list has the focus, the newest game selected.
    keyboard_.focus(waitForWindow(kLoadTitle));
    return timeKey("Return", processorSeconds);
}

double Run::timeKey(const char* key, double* processorSeconds) {
    const milliseconds usedBefore = program_.processorTime();
    const Clock::time_point pressed = Clock::now();
    keyboard_.key(key);
    const Clock::time_point repainted = lastLargeRepaint(pressed, usedBefore);
    *processorSeconds = Seconds(program_.processorTime() - usedBefore);
    return Seconds(repainted - pressed);
}

Window Run::waitForWindow(const char* title) {
    const Window window = watch_.waitForWindow(title, kWindowTimeout);
    if (window == None)
        fail(std::string("no window \"") + title + "\"");
    return window;
}

Clock::time_point Run::lastLargeRepaint(Clock::time_point since, milliseconds usedBefore) {
    samples_.clear();
    for (;;) {
        const bool isIdle = pumpAndCheckIdle(rule_.settle);
        const Clock::time_point now = Clock::now();
        std::optional<Clock::time_point> last;
        for (const Repaint& repaint : watch_.repaints(main_))
            if (repaint.at >= since && repaint.share >= rule_.largeShare)
                last = repaint.at;
        if (last && now - *last >= rule_.settle && isIdle) {
            if (rule_.trace != nullptr)
                traceRepaints(since, program_.processorTime() - usedBefore);
            return *last;
        }
        if (now - since > rule_.limit)
            fail("the main window did not settle");
    }
}

void Run::traceRepaints(Clock::time_point since, milliseconds used) const {
    std::fprintf(rule_.trace, "%lld ms of processor time; main window repaints:",
                 static_cast<long long>(used.count()));
    for (const Repaint& repaint : watch_.repaints(main_))
        if (repaint.at >= since)
            std::fprintf(rule_.trace, " %.3f s %.0f%%,", Seconds(repaint.at - since),
                         100 * repaint.share);
    std::fprintf(rule_.trace, "\n");
}

bool Run::pumpAndCheckIdle(milliseconds period) {
    watch_.pump(kSample);
    if (!program_.isRunning())
        fail("the program ended");
    const Clock::time_point now = Clock::now();
    samples_.emplace_back(now, program_.processorTime());
    while (samples_.size() > 1 && samples_[1].first <= now - period)
        samples_.pop_front();
    return samples_.front().first <= now - period &&
           (samples_.back().second - samples_.front().second) * 10 < period;
}

fs::path Run::waitForSavedGame() {
    // The game file appears under its name when it is complete (it is written beside and
    // renamed); the rest of the save is over once the program stops working.
    const Clock::time_point deadline = Clock::now() + rule_.limit;
    const fs::path folder = program_.folder() / "save";
    fs::path saved;
    samples_.clear();
    for (;;) {
        const bool isIdle = pumpAndCheckIdle(kIdlePeriod);
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
            if (entry.path().extension() == ".tsy")
                saved = entry.path();
        if (!saved.empty() && isIdle)
            return saved;
        if (Clock::now() > deadline)
            fail(saved.empty() ? "no saved game appeared" : "the save did not end");
    }
}

void Run::checkSavedGrid(const fs::path& saved, const Grid& grid) const {
    std::ifstream in(saved, std::ios::binary);
    const std::optional<SavedGameHeader> header = ReadSavedGameHeader(in);
    if (!header)
        fail("the saved game " + saved.string() + " does not read back");
    if (header->elementSize != grid.elementSize || header->columns != grid.columns ||
        header->rows != grid.rows)
        fail("the game was cut " + std::to_string(header->columns) + " x " +
             std::to_string(header->rows) + " at " + std::to_string(header->elementSize) +
             " px, not as asked");
}

void Run::fail(const std::string& what) const {
    throw std::runtime_error(what + "; the program's output:\n" + program_.log());
}

}  // namespace

RunFigures MeasureRun(const XServer& server, RepaintWatch& watch, XKeyboard& keyboard,
                      const fs::path& program, const std::string& picture, const Grid& grid,
                      const QuietRule& rule) {
    Run run(server, watch, keyboard, program, rule);
    return run.measure(picture, grid);
}

}  // namespace tessary::bench
