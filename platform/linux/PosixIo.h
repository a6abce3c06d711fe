#pragma once
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace platform {

// Repeats a system call that a signal interrupted before it did anything.
template <typename Call>
auto RetryInterrupted(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

inline ssize_t ReadSome(int fd, char* into, std::size_t size) {
    return RetryInterrupted([&] { return read(fd, into, size); });
}

// Writes all `size` bytes, retrying interrupted and short writes. False with errno set (EIO when
// the file system took nothing) so each caller words the failure its own way.
inline bool WriteAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = RetryInterrupted([&] { return write(fd, bytes, size); });
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace platform
