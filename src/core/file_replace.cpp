#include "core/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/unique_file.h"

namespace tessary {

namespace {

// Writes all of bytes to fd, resuming after interruptions and partial writes.
bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The file `path` names, through any symbolic links, even to a target that does not exist yet;
// a relative link is taken from the link's own folder. A loop of links gives up on it.
std::filesystem::path LinkTarget(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) {
            return path;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            return path;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

}  // namespace

// An output buffer over a file descriptor; a failed write makes every later one fail.
class FileReplacement::Buffer : public std::streambuf {
public:
    explicit Buffer(int fd) : fd_(fd), space_(1 << 16) {
        setp(space_.data(), space_.data() + space_.size());
    }
    ~Buffer() override { close(); }

    bool isOpen() const { return fd_ >= 0; }

    // Writes what is buffered, syncs it to the disk and closes; true when all of it got there.
    bool close() {
        if (fd_ < 0) {
            return false;
        }
        bool isWritten = drain() && ::fsync(fd_) == 0;
        isWritten = ::close(fd_) == 0 && isWritten;
        fd_ = -1;
        return isWritten;
    }

protected:
    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        isFailed_ = isFailed_ || fd_ < 0 ||
                    !WriteAll(fd_, pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(space_.data(), space_.data() + space_.size());
        return !isFailed_;
    }

    int fd_;
    bool isFailed_ = false;
    std::vector<char> space_;
};

FileReplacement::FileReplacement(const std::filesystem::path& path)
    : path_(LinkTarget(path)), stream_(nullptr) {
    const int fd = CreateUniqueFileBeside(path_, temporary_);
    buffer_ = std::make_unique<Buffer>(fd);
    stream_.rdbuf(buffer_.get());
    isCreated_ = fd >= 0;
    if (!isCreated_) {
        stream_.setstate(std::ios::badbit);
    }
}

FileReplacement::~FileReplacement() {
    if (isCreated_ && !isCommitted_) {
        buffer_->close();
        ::unlink(temporary_.c_str());
    }
}

bool FileReplacement::isOpen() const {
    return buffer_->isOpen();
}

bool FileReplacement::finish() {
    if (isFinished_ || !buffer_->isOpen()) {
        return isFinished_;
    }
    const bool isStreamGood = static_cast<bool>(stream_.flush());
    isFinished_ = buffer_->close() && isStreamGood;
    return isFinished_;
}

bool FileReplacement::commit() {
    if (!isFinished_ || isCommitted_) {
        return isCommitted_;
    }
    isCommitted_ = ::rename(temporary_.c_str(), path_.c_str()) == 0;
    return isCommitted_;
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
    FileReplacement file(path);
    file.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.finish() && file.commit();
}

}  // namespace tessary
