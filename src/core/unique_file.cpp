#include "core/unique_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace tessary {

int CreateUniqueFileBeside(const std::filesystem::path& path, std::filesystem::path& created) {
    std::string name = path.string() + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    created = name;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);  // read only: put back at once
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    return fd;
}

}  // namespace tessary
