#include "FileByteSource.h"

#include <cerrno>
#include <cstring>

FileByteSource::~FileByteSource() = default;

bool FileByteSource::Open(const std::string& path) {
    // The file is opened without waiting, so a pipe named like a song cannot hang the caller.
    file_ = std::make_unique<platform::ReadOnlyFile>(path);
    if (file_->error() != 0) {
        error_ = std::strerror(file_->error());
        return false;
    }
    if (!file_->isRegular()) {
        error_ = file_->isDirectory() ? std::strerror(EISDIR) : "Not a regular file";
        return false;
    }
    buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBufferSize);
    // A read error shows here rather than as a file without headers.
    if (!Fill(0)) {
        error_ = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

std::span<const std::uint8_t> FileByteSource::View(std::uint64_t offset) {
    const bool inBuffer = offset >= bufferStart_ && offset - bufferStart_ < bufferLength_;
    if (!inBuffer && (failed_ || !Fill(offset))) return {};
    const auto skip = static_cast<std::size_t>(offset - bufferStart_);
    return {buffer_.get() + skip, bufferLength_ - skip};
}

bool FileByteSource::Fill(std::uint64_t offset) {
    bufferStart_ = offset;
    bufferLength_ = 0;
    errno = 0;
    if (offset != filePosition_ && !file_->Seek(static_cast<std::int64_t>(offset))) {
        failed_ = true;
        return false;
    }
    filePosition_ = offset;
    char* into = reinterpret_cast<char*>(buffer_.get());
    while (bufferLength_ < kBufferSize) {
        const std::int64_t got = file_->Read(into + bufferLength_, kBufferSize - bufferLength_);
        if (got < 0) {
            failed_ = true;
            return false;
        }
        if (got == 0) break;
        bufferLength_ += static_cast<std::size_t>(got);
    }
    filePosition_ += bufferLength_;
    return true;
}
