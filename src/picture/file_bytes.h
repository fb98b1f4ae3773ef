#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <vector>

namespace tessary {

/// The whole content of a file; none when it can't be opened or read, or when it is larger
/// than any picture the readers accept.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);

/// Writes a file through `write` without harming an existing file of that name on failure:
/// the bytes go to a temporary file in the same folder, under a name no file had before, which
/// replaces `path` (keeping its permissions) only when `write` returned true and every byte was
/// written; otherwise it is removed.
bool WriteFileReplacing(const std::filesystem::path& path,
                        const std::function<bool(std::ostream&)>& write);

}  // namespace tessary
