#include "picture/jpeg_errors.h"

#include <cstring>

namespace tessary {

namespace {

JpegErrors& ErrorsOf(j_common_ptr object) {
    return *reinterpret_cast<JpegErrors*>(object->err);
}

[[noreturn]] void ExitOnError(j_common_ptr object) {
    JpegErrors& errors = ErrorsOf(object);
    (*object->err->format_message)(object, errors.message);
    std::longjmp(errors.jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

void IgnoreOutput(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InstallJpegErrors(JpegErrors& errors) {
    jpeg_error_mgr* manager = jpeg_std_error(&errors.manager);
    manager->error_exit = ExitOnError;
    manager->emit_message = IgnoreMessage;
    manager->output_message = IgnoreOutput;
    return manager;
}

void RaiseJpegError(j_common_ptr object, const char* message) {
    JpegErrors& errors = ErrorsOf(object);
    std::strncpy(errors.message, message, sizeof errors.message - 1);
    std::longjmp(errors.jump, 1);
}

}  // namespace tessary
