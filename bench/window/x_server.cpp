#include "x_server.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary::bench {

XServer::XServer(const std::string& name) : name_(name) {
    if (name_.empty()) {
        const char* inherited = std::getenv("DISPLAY");
        if (inherited != nullptr && *inherited != '\0')
            name_ = inherited;
        else
            startXvfb();
    }
    display_ = XOpenDisplay(name_.c_str());
    if (display_ == nullptr)
        throw std::runtime_error("cannot open display " + name_);
}

XServer::~XServer() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
    if (xvfb_ > 0) {
        ::kill(xvfb_, SIGTERM);
        ::waitpid(xvfb_, nullptr, 0);
    }
}

void XServer::startXvfb() {
    // Xvfb picks a free display and writes its number to the pipe once it accepts clients, so
    // nothing here waits a guessed time.
    int ready[2];
    if (::pipe(ready) != 0)
        throw std::runtime_error("pipe failed");
    xvfb_ = ::fork();
    if (xvfb_ < 0)
        throw std::runtime_error("fork failed");
    if (xvfb_ == 0) {
        // Ends with us, also when we are killed.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::close(ready[0]);
        const std::string fd = std::to_string(ready[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24",
                 "-nolisten", "tcp", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    std::string number;
    char c = 0;
    while (::read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(ready[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    name_ = ":" + number;
}

}  // namespace tessary::bench
