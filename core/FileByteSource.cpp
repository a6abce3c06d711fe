#include "FileByteSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "FileIo.h"
#include "UiText.h"

FileByteSource::FileByteSource(platform::ReadOnlyFile& file) : file_(file) {
    if (file.error() != 0) {
        error_ = std::strerror(file.error());
    } else if (file.isDirectory()) {
        error_ = std::strerror(EISDIR);
    } else if (!file.isRegular()) {
        // A pipe named like a song has nothing to scan, and nothing to wait for either.
        error_ = platform::Tr("FileByteSource", "Not a regular file");
    } else {
        head_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBufferSize);
        const std::int64_t got = file.Read(reinterpret_cast<char*>(head_.get()), kBufferSize);
        // A read error shows here rather than as a file without headers.
        if (got < 0) error_ = std::strerror(errno);
        headLength_ = got < 0 ? 0 : static_cast<std::size_t>(got);
        position_ = headLength_;
    }
    failed_ = !error_.empty();
}

std::span<const std::uint8_t> FileByteSource::View(std::uint64_t offset) {
    if (offset < headLength_) return {head_.get() + offset, headLength_ - offset};
    // Also the window before: a header that straddles the current window's start is read from
    // both, and is not read again.
    for (const Window* w : {&windows_[current_], &windows_[current_ ^ 1]}) {
        if (offset >= w->start && offset - w->start < w->length) {
            return {w->bytes.get() + (offset - w->start), w->length - (offset - w->start)};
        }
    }
    const Window& last = windows_[current_];
    if (failed_) return {};
    // A scan that walks on from one window into the next crosses a long stretch without
    // headers: reads that grow keep its system calls few.
    const bool walking = last.bytes && offset == last.start + last.length;
    const std::size_t wanted = !last.bytes ? kBufferSize
                               : walking   ? std::min(2 * last.size, kLongestRead)
                                           : last.size;
    // The other window is filled, so a view the caller still holds keeps its bytes.
    current_ ^= 1;
    Window& next = windows_[current_];
    if (next.size < wanted) {
        next.bytes = std::make_unique_for_overwrite<std::uint8_t[]>(wanted);
        next.size = wanted;
    }
    next.start = offset;
    next.length = 0;
    if (!MoveTo(offset)) return {};
    char* into = reinterpret_cast<char*>(next.bytes.get());
    while (next.length < wanted) {
        const std::int64_t got = file_.Read(into + next.length, wanted - next.length);
        failed_ = got < 0;
        if (got <= 0) break;
        next.length += static_cast<std::size_t>(got);
    }
    position_ = offset + next.length;
    return {next.bytes.get(), next.length};
}

bool FileByteSource::MoveTo(std::uint64_t offset) {
    if (offset == position_) return true;
    failed_ = !file_.Seek(static_cast<std::int64_t>(offset));
    if (!failed_) position_ = offset;
    return !failed_;
}

bool FileByteSource::ReturnBehindHead() {
    return MoveTo(headLength_);
}
