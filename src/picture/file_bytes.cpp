#include "picture/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ext/stdio_filebuf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>

#include "core/unique_file.h"
#include "picture/picture_header.h"

namespace tessary {

namespace {

// Room for headers, colour tables and the chunks of compressed formats around the pixels.
constexpr std::size_t kMaxFileBytes = kMaxPictureBytes + (std::size_t{1} << 20);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    // A regular file is read in one go into room for its known size and one byte more, which
    // tells that the end was reached; a file that grows meanwhile, or has no size (a pipe), is
    // read on with the room doubled.
    struct stat status {};
    const bool isSized = ::fstat(::fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode);
    const auto knownSize = isSized ? static_cast<std::size_t>(status.st_size) : 0;
    if (knownSize > kMaxFileBytes) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(std::max<std::size_t>(knownSize + 1, isSized ? 1 : 65536));
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() > kMaxFileBytes) {
                return std::nullopt;
            }
            bytes.resize(bytes.size() * 2);
        }
        const std::size_t got = std::fread(bytes.data() + used, 1, bytes.size() - used, file.get());
        used += got;
        if (got == 0) {
            break;
        }
    }
    if (std::ferror(file.get()) || used > kMaxFileBytes) {
        return std::nullopt;
    }
    bytes.resize(used);
    return bytes;
}

bool WriteFileReplacing(const std::filesystem::path& path,
                        const std::function<bool(std::ostream&)>& write) {
    if (path.empty() || !path.has_filename()) {
        return false;
    }
    std::filesystem::path temporary;
    const int fd = CreateUniqueFileBeside(path, temporary);
    if (fd < 0) {
        return false;
    }
    bool isWritten = false;
    {
        // The buffer owns the descriptor and closes it.
        __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::out | std::ios::binary);
        std::ostream out(&file);
        try {
            isWritten = write(out);
        } catch (const std::exception&) {
            isWritten = false;
        }
        out.flush();
        isWritten = isWritten && out.good();
        isWritten = file.close() != nullptr && isWritten;
    }
    std::error_code error;
    if (isWritten) {
        std::filesystem::rename(temporary, path, error);
    }
    if (!isWritten || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace tessary
