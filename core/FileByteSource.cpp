#include "FileByteSource.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>

FileByteSource::~FileByteSource() {
    if (file_ != nullptr) std::fclose(file_);
}

bool FileByteSource::Open(const std::string& path) {
    // Opening a pipe named like a song would wait for a writer and hang the caller.
    std::error_code unknown;
    const auto type = std::filesystem::status(path, unknown).type();
    if (!unknown && type != std::filesystem::file_type::regular) {
        error_ = type == std::filesystem::file_type::directory ? std::strerror(EISDIR)
                                                               : "Not a regular file";
        return false;
    }
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        error_ = std::strerror(errno != 0 ? errno : ENOENT);
        return false;
    }
    // Our own buffer does the buffering; a second one in stdio would only copy twice.
    std::setvbuf(file_, nullptr, _IONBF, 0);
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
    if (!MoveTo(offset)) {
        failed_ = true;
        return false;
    }
    errno = 0;
    bufferLength_ = std::fread(buffer_.get(), 1, kBufferSize, file_);
    filePosition_ += bufferLength_;
    if (std::ferror(file_)) {
        failed_ = true;
        return false;
    }
    return true;
}

// fseek takes a long, which is 32 bits on some systems: move relative in steps that fit.
bool FileByteSource::MoveTo(std::uint64_t offset) {
    while (filePosition_ != offset) {
        const bool forward = offset > filePosition_;
        const std::uint64_t distance = forward ? offset - filePosition_ : filePosition_ - offset;
        const long step = distance > static_cast<std::uint64_t>(LONG_MAX)
                              ? LONG_MAX
                              : static_cast<long>(distance);
        if (std::fseek(file_, forward ? step : -step, SEEK_CUR) != 0) return false;
        filePosition_ = forward ? filePosition_ + step : filePosition_ - step;
    }
    return true;
}
