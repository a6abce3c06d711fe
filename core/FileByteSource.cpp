#include "FileByteSource.h"

#include <cerrno>
#include <cstring>

#include "FileIo.h"

FileByteSource::FileByteSource(platform::ReadOnlyFile& file) : file_(file) {
    if (file.error() != 0) {
        error_ = std::strerror(file.error());
    } else if (file.isDirectory()) {
        error_ = std::strerror(EISDIR);
    } else if (!file.isRegular()) {
        // A pipe named like a song has nothing to scan, and nothing to wait for either.
        error_ = "Not a regular file";
    } else {
        head_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBufferSize);
        const std::int64_t got = file.Read(reinterpret_cast<char*>(head_.get()), kBufferSize);
        // A read error shows here rather than as a file without headers.
        if (got < 0) error_ = std::strerror(errno);
        headLength_ = got < 0 ? 0 : static_cast<std::size_t>(got);
    }
    failed_ = !error_.empty();
}

std::span<const std::uint8_t> FileByteSource::View(std::uint64_t offset) {
    if (offset < headLength_) return {head_.get() + offset, headLength_ - offset};
    const bool inWindow = offset >= windowStart_ && offset - windowStart_ < windowLength_;
    if (!inWindow) {
        if (failed_) return {};
        if (!window_) window_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBufferSize);
        windowStart_ = offset;
        const std::int64_t got = file_.ReadAt(static_cast<std::int64_t>(offset),
                                              reinterpret_cast<char*>(window_.get()), kBufferSize);
        failed_ = got < 0;
        windowLength_ = got < 0 ? 0 : static_cast<std::size_t>(got);
        if (windowLength_ == 0) return {};
    }
    return {window_.get() + (offset - windowStart_), windowLength_ - (offset - windowStart_)};
}
