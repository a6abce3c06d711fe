#include "ByteCopier.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tunewrap {

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
    while (bytes > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min(bytes, kChunkBytes));
        const ssize_t n = read(from_, buffer_.data(), want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? std::strerror(errno)
                          : "The source file became shorter while it was being copied";
            return false;
        }
        if (!WriteAll(to_, buffer_.data(), static_cast<std::size_t>(n), error)) return false;
        bytes -= n;
    }
    return true;
}

}  // namespace tunewrap
