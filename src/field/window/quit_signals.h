#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tessary {

/// Turns SIGTERM and SIGHUP into a call of `onSignal` on the thread of the event loop. The
/// signal handler only writes one byte into a socket pair; the event loop reads it, so that
/// `onSignal` may do anything a command may. One object at a time; its end gives the signals
/// their default handling back.
class QuitSignals : public QObject {
public:
    QuitSignals(std::function<void()> onSignal, QObject* parent);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tessary
