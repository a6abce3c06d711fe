#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "ByteSource.h"

namespace platform {
class ReadOnlyFile;
}

// Reads an open file through small buffers; the file is never held in memory whole. The first
// read is kept apart from what the scan asks for later, so that a copy of the file can start with
// it and go on right behind it.
class FileByteSource final : public ByteSource {
  public:
    // Holds a header and the frames checked after it; a larger buffer only reads bytes the scan
    // never looks at, which for a folder of songs is most of the time spent.
    static constexpr std::size_t kBufferSize = 16 * 1024;
    // What a window past the head grows to while the scan walks on through it.
    static constexpr std::size_t kLongestRead = 256 * 1024;

    // Reads the first bytes of `file`, which must have been opened just before.
    explicit FileByteSource(platform::ReadOnlyFile& file);
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // Why the file could not be opened or read (a directory, not a regular file, no
    // permission); empty when its first bytes were read.
    const std::string& Error() const { return error_; }
    // The file's first bytes, as the first read found them.
    std::string_view Head() const {
        return {reinterpret_cast<const char*>(head_.get()), headLength_};
    }

    std::span<const std::uint8_t> View(std::uint64_t offset) override;

    // Puts the file's position back right behind the head, where a copy goes on after it; false
    // with errno set.
    bool ReturnBehindHead();

  private:
    bool MoveTo(std::uint64_t offset);

    platform::ReadOnlyFile& file_;
    std::unique_ptr<std::uint8_t[]> head_;
    std::size_t headLength_ = 0;
    // Past the head the scan reads into two windows by turns.
    struct Window {
        std::unique_ptr<std::uint8_t[]> bytes;  // made when the scan first looks this far
        std::size_t size = 0;
        std::uint64_t start = 0;
        std::size_t length = 0;
    };
    Window windows_[2];
    int current_ = 0;
    std::uint64_t position_ = 0;  // the file's
    bool failed_ = false;
    std::string error_;
};
