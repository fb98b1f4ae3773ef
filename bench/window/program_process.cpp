#include "program_process.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary::bench {
namespace {

namespace fs = std::filesystem;

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of a "Name:   1234 kB" line of /proc/PID/status; 0 when it is missing.
std::int64_t StatusValue(const std::string& status, const std::string& name) {
    const std::size_t at = status.find(name + ":");
    return at == std::string::npos ? 0 : std::atoll(status.c_str() + at + name.size() + 1);
}

}  // namespace

ProgramProcess::ProgramProcess(const fs::path& program) {
    std::string pattern = (fs::temp_directory_path() / "window_timing.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    folder_ = pattern;
    const fs::path from = program.parent_path();
    for (const fs::path& name :
         {program.filename(), fs::path("congratu.wav"), fs::path("pictures"), fs::path("help")}) {
        std::error_code error;
        fs::copy(from / name, folder_ / name, fs::copy_options::recursive, error);
        if (error)
            throw std::runtime_error("cannot copy " + (from / name).string());
    }
    // The sound module, where the program has one (it plays the join sound of a new game).
    std::error_code absent;
    fs::copy(from / "tessary_sound.so", folder_ / "tessary_sound.so", absent);
    program_ = folder_ / program.filename();
}

ProgramProcess::~ProgramProcess() {
    kill();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void ProgramProcess::start(const std::string& display) {
    const std::string log = (folder_ / "output.log").string();
    pid_ = ::fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        // Ends with us, also when we are killed.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(out, STDERR_FILENO);
        if (::chdir(folder_.c_str()) != 0)
            ::_exit(127);
        ::setenv("DISPLAY", display.c_str(), 1);
        ::execl(program_.c_str(), program_.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

bool ProgramProcess::isRunning() {
    return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0;
}

Memory ProgramProcess::memory() const {
    const std::string status = ReadWholeFile("/proc/" + std::to_string(pid_) + "/status");
    return {StatusValue(status, "VmRSS"), StatusValue(status, "VmHWM")};
}

std::chrono::milliseconds ProgramProcess::processorTime() const {
    // Fields 14 and 15 of /proc/PID/stat, user and system time in clock ticks; the name in
    // parentheses before them may hold spaces, so counting starts after its closing one.
    const std::string stat = ReadWholeFile("/proc/" + std::to_string(pid_) + "/stat");
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return {};
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i >= 14)
            ticks += std::atoll(field.c_str());
    }
    return std::chrono::milliseconds(ticks * 1000 / ::sysconf(_SC_CLK_TCK));
}

std::string ProgramProcess::log() const {
    return ReadWholeFile(folder_ / "output.log");
}

void ProgramProcess::kill() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
}

}  // namespace tessary::bench
