#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "ByteSource.h"
#include "FileIo.h"

// Reads a file through one small buffer, moving in it as the scan asks; the file is never held
// in memory whole. The file is shared for reading and writing with other processes.
class FileByteSource final : public ByteSource {
  public:
    // Holds a header and the frames checked after it; a larger buffer only reads bytes the scan
    // never looks at, which for a folder of songs is most of the time spent.
    static constexpr std::size_t kBufferSize = 16 * 1024;

    FileByteSource() = default;
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // False when the file cannot be opened or read (a directory, no permission); Error() says why.
    bool Open(const std::string& path);
    const std::string& Error() const { return error_; }

    std::span<const std::uint8_t> View(std::uint64_t offset) override;

  private:
    bool Fill(std::uint64_t offset);

    std::unique_ptr<platform::ReadOnlyFile> file_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
    std::uint64_t filePosition_ = 0;
    bool failed_ = false;
    std::string error_;
};
