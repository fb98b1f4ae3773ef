#pragma once

#include <cstdint>
#include <filesystem>
#include <new>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "picture/file_bytes.h"
#include "picture/load_result.h"

namespace tessary {

/// Raised inside the readers; caught where a reader returns (see CatchReadFailures).
class PictureReadError : public std::runtime_error {
public:
    explicit PictureReadError(const std::string& reason, bool isOutOfMemory = false)
        : std::runtime_error(reason), isOutOfMemory_(isOutOfMemory) {}

    bool isOutOfMemory() const { return isOutOfMemory_; }

private:
    bool isOutOfMemory_;
};

/// Runs a reader's body and turns whatever it raised into an empty result with the reason,
/// so that no error leaves a reader as an exception.
template <class Body>
LoadResult CatchReadFailures(Body&& body) {
    LoadResult failed;
    try {
        return std::forward<Body>(body)();
    } catch (const PictureReadError& error) {
        failed.failure = error.what();
        failed.isOutOfMemory = error.isOutOfMemory();
    } catch (const std::bad_alloc&) {
        failed.failure = "out of memory";
        failed.isOutOfMemory = true;
    }
    return failed;
}

/// Reads a file whole and hands its bytes to `read`; fails at once for an empty path or a
/// file that can't be read.
template <class Reader>
LoadResult ReadPictureFile(const std::filesystem::path& path, Reader&& read) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes) {
        LoadResult failed;
        failed.failure = "can't open file";
        return failed;
    }
    return std::forward<Reader>(read)(std::span<const std::uint8_t>(*bytes));
}

}  // namespace tessary
