#include "field/window/quit_signals.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace tessary {
namespace {

constexpr int kHandledSignals[] = {SIGTERM, SIGHUP};

// The socket pair's two ends: the handler writes into the first, the notifier reads the second.
int gSignalSockets[2] = {-1, -1};

void WriteSignalByte(int /*signal*/) {
    const int savedErrno = errno;  // the interrupted code may be about to read it
    const char byte = 1;
    // Nothing can be done about a failed write inside a handler; a full socket (the write does
    // not block) already has bytes waiting.
    [[maybe_unused]] const ssize_t written = ::write(gSignalSockets[0], &byte, 1);
    errno = savedErrno;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kHandledSignals)
        sigaction(signal, &action, nullptr);
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalSockets) != 0)
        return;  // the signals keep their default handling: the program ends at once
    notifier_ = new QSocketNotifier(gSignalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(gSignalSockets[1], &byte, 1);
        onSignal_();
    });
    SetHandler(WriteSignalByte);
}

QuitSignals::~QuitSignals() {
    if (notifier_ == nullptr)
        return;
    SetHandler(SIG_DFL);
    delete notifier_;
    ::close(gSignalSockets[0]);
    ::close(gSignalSockets[1]);
    gSignalSockets[0] = gSignalSockets[1] = -1;
}

}  // namespace tessary
