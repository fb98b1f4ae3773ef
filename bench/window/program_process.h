#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tessary::bench {

/// The program's memory as /proc reports it, in KiB.
struct Memory {
    std::int64_t residentKiB = 0;  // VmRSS
    std::int64_t peakKiB = 0;      // VmHWM, the resident peak since the start
};

/// A portable copy of the built program in a fresh folder of its own (the program, its sound,
/// sample pictures and help beside it), so that its settings are the defaults and no saved
/// games exist; the folder and a still running program go with this object.
class ProgramProcess {
public:
    /// Copies `program` and the files it keeps beside itself. Throws std::runtime_error.
    explicit ProgramProcess(const std::filesystem::path& program);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    /// Starts the copy on `display` (again after kill()), its output added to a log in the folder.
    void start(const std::string& display);
    pid_t pid() const { return pid_; }
    bool isRunning();
    Memory memory() const;
    /// Processor time the program has used so far, its threads together.
    std::chrono::milliseconds processorTime() const;
    /// The program's output so far, for a report of what went wrong.
    std::string log() const;
    void kill();

private:
    std::filesystem::path folder_;
    std::filesystem::path program_;
    pid_t pid_ = 0;
};

}  // namespace tessary::bench
