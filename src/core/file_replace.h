#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string_view>

namespace tessary {

/// A file written under a temporary name in its target's folder and renamed over the target
/// only when complete, so that the target is at every moment either the old file or the new
/// one. The temporary file is removed unless it was committed.
///
/// The player's files are respected: a symbolic link stays a link and the file it names is
/// replaced, in that file's own folder; the new file keeps the old one's permissions; the
/// temporary name is one that no file had, so no other file is ever overwritten or removed.
class FileReplacement {
public:
    /// Creates the temporary file beside `path` (beside the file it links to); check isOpen().
    explicit FileReplacement(const std::filesystem::path& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool isOpen() const;
    /// Where the content goes; a failed write sets the stream's bad bit.
    std::ostream& stream() { return stream_; }
    /// Flushes and closes the temporary file; true when every byte reached the disk.
    [[nodiscard]] bool finish();
    /// Renames the finished temporary file over the target; true on success. The target is
    /// untouched when this fails.
    [[nodiscard]] bool commit();

private:
    class Buffer;

    std::filesystem::path path_;
    std::filesystem::path temporary_;
    std::unique_ptr<Buffer> buffer_;
    std::ostream stream_;
    bool isCreated_ = false;  // the temporary file is ours to remove
    bool isFinished_ = false;
    bool isCommitted_ = false;
};

/// Replaces the file at path with `bytes` through a FileReplacement; on any failure the old file
/// stays as it was and the result is false.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessary
