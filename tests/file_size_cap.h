#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace tessary {

/// While it lives, no file this process writes may grow beyond `bytes`: a write breaks off
/// half-way. Unlike a read-only folder, this holds for root as well.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes) {
        if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0)
            return;
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = saved_;
        capped.rlim_cur = bytes;
        isInForce_ = ::setrlimit(RLIMIT_FSIZE, &capped) == 0;
    }
    ~FileSizeCap() {
        if (previousHandler_ == SIG_ERR)
            return;
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

    bool isInForce() const { return isInForce_; }

private:
    rlimit saved_{};
    sighandler_t previousHandler_ = SIG_ERR;
    bool isInForce_ = false;
};

}  // namespace tessary
