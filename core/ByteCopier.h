#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tunewrap {

// Moves bytes from one descriptor's position to another's in large system calls while the caller
// counts in small logical blocks. Queued bytes reach the destination a chunk at a time, so bytes
// queued after the last chunk are never written unless Flush is called.
class ByteCopier {
  public:
    // Bytes queued before they are copied in one go; the kernel copy needs no buffer for them.
    static constexpr std::int64_t kChunkBytes = 4 << 20;
    // The user-space buffer for file pairs the kernel copy turns down.
    static constexpr std::int64_t kBufferBytes = 1 << 20;

    ByteCopier(int from, int to) : from_(from), to_(to) {}

    // False with the OS's reason in `error` when a chunk could not be copied.
    bool Add(std::int64_t bytes, std::string& error);
    bool Flush(std::string& error);

  private:
    bool Copy(std::int64_t bytes, std::string& error);
    bool CopyThroughBuffer(std::int64_t bytes, std::string& error);

    int from_;
    int to_;
    std::int64_t pending_ = 0;
    bool kernelCopy_ = true;  // until the file systems turn it down
    std::vector<char> buffer_;
};

// Writes all of `bytes`, retrying short writes; false with the OS's reason.
bool WriteAll(int fd, const char* bytes, std::size_t size, std::string& error);

}  // namespace tunewrap
