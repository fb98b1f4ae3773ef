#include "game/memory_fault.h"

#include <atomic>
#include <new>

namespace tessary {
namespace {

// Builds still to pass before the fault strikes; -1 while none is injected.
std::atomic<int> buildsBeforeFault = -1;

}  // namespace

void InjectBuildMemoryFault(int buildsToPass) {
    buildsBeforeFault = buildsToPass;
}

void StrikeInjectedMemoryFault() {
    if (buildsBeforeFault < 0)
        return;
    if (buildsBeforeFault-- == 0)
        throw std::bad_alloc();
}

}  // namespace tessary
