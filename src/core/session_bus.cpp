#include "core/session_bus.h"

#include <sys/stat.h>

#include <string>

namespace tessary {

bool HasNoSessionBus(const char* address, const char* runtimeFolder) {
    if (address != nullptr && address[0] != '\0')
        return false;
    if (runtimeFolder == nullptr || runtimeFolder[0] == '\0')
        return true;
    struct stat status {};
    const std::string socket = std::string(runtimeFolder) + "/bus";
    return ::stat(socket.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode);
}

}  // namespace tessary
