#include "ByteCopier.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tunewrap {

namespace {

const char* const kSourceShrank = "The source file became shorter while it was being copied";

// copy_file_range declines some pairs of files (other file systems, pipes, old kernels); those
// go through a user-space buffer instead.
bool KernelCopyDeclined(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
           error == EBADF;
}

}  // namespace

bool WriteAll(int fd, const char* bytes, std::size_t size, std::string& error) {
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = std::strerror(n < 0 ? errno : EIO);
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ByteCopier::Add(std::int64_t bytes, std::string& error) {
    pending_ += bytes;
    if (pending_ < kChunkBytes) return true;
    return Flush(error);
}

bool ByteCopier::Flush(std::string& error) {
    const std::int64_t bytes = pending_;
    pending_ = 0;
    return Copy(bytes, error);
}

bool ByteCopier::Copy(std::int64_t bytes, std::string& error) {
    while (bytes > 0 && kernelCopy_) {
        const ssize_t n =
            copy_file_range(from_, nullptr, to_, nullptr, static_cast<std::size_t>(bytes), 0);
        if (n > 0) {
            bytes -= n;
        } else if (n == 0) {
            error = kSourceShrank;
            return false;
        } else if (KernelCopyDeclined(errno)) {
            kernelCopy_ = false;
        } else if (errno != EINTR) {
            error = std::strerror(errno);
            return false;
        }
    }
    return bytes == 0 || CopyThroughBuffer(bytes, error);
}

bool ByteCopier::CopyThroughBuffer(std::int64_t bytes, std::string& error) {
    if (buffer_.empty()) buffer_.resize(static_cast<std::size_t>(kBufferBytes));
    while (bytes > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min(bytes, kBufferBytes));
        const ssize_t n = read(from_, buffer_.data(), want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? std::strerror(errno) : kSourceShrank;
            return false;
        }
        if (!WriteAll(to_, buffer_.data(), static_cast<std::size_t>(n), error)) return false;
        bytes -= n;
    }
    return true;
}

}  // namespace tunewrap
