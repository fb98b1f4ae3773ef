#include "persist/autosave_policy.h"

namespace tessary {

void AutosavePolicy::gameStarted(std::int64_t now) {
    isChanged_ = false;
    lastWrite_ = now;
}

bool AutosavePolicy::isDue(std::int64_t now, bool isInProgress) const {
    return isInProgress && isChanged_ && now - lastWrite_ >= kIntervalSeconds;
}

void AutosavePolicy::writeStarted(std::int64_t now) {
    isChanged_ = false;
    lastWrite_ = now;
}

void AutosavePolicy::writeFinished(bool isWritten) {
    if (isWritten) {
        failuresInARow_ = 0;
    } else {
        isChanged_ = true;
        ++failuresInARow_;
    }
}

}  // namespace tessary
