#pragma once

#include <csetjmp>

namespace tessary {

/// Runs `body`, which calls into a C codec (libjpeg, libpng) whose error handler long-jumps
/// to `jump`; returns false when it did. The jump skips the frames of `body` and of the
/// codec, so `body` must keep no object with a destructor alive across a codec call:
/// whatever must be freed lives outside the guard.
template <class Body>
bool RunGuarded(std::jmp_buf& jump, Body&& body) {
    if (setjmp(jump) != 0) {
        return false;
    }
    body();
    return true;
}

}  // namespace tessary
