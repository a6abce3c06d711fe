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

// Writes all `size` bytes, retrying interrupted and short writes: at the file's position, or at
// `offset` when one is given (the position then stays). False with errno set (EIO when the file
// system took nothing) so each caller words the failure its own way.
inline bool WriteAll(int fd, const char* bytes, std::size_t size, off_t offset = -1) {
    while (size > 0) {
        const ssize_t n = RetryInterrupted(
            [&] { return offset < 0 ? write(fd, bytes, size) : pwrite(fd, bytes, size, offset); });
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
        if (offset >= 0) offset += n;
    }
    return true;
}

}  // namespace platform
