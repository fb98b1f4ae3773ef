#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tessary {

/// The error manager of one libjpeg object: fatal errors record the library's message and
/// long-jump to `jump` (see RunGuarded); warnings and traces are dropped.
struct JpegErrors {
    jpeg_error_mgr manager;  // first, so that libjpeg's pointer to it leads back here
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
};

/// Prepares `errors` and returns the manager to store in the object's `err` field.
jpeg_error_mgr* InstallJpegErrors(JpegErrors& errors);

/// Ends the current libjpeg call as a fatal error with our own message.
[[noreturn]] void RaiseJpegError(j_common_ptr object, const char* message);

}  // namespace tessary
