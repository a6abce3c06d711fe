#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tunewrap {

// Moves bytes from one descriptor's position to another's in large system calls while the caller
// counts in small logical blocks. Queued bytes reach the destination a chunk at a time, so bytes
// queued after the last whole chunk are never written unless Flush is called.
class ByteCopier {
  public:
    // Large enough to keep system calls rare, small enough to stay in the processor's cache.
    static constexpr std::int64_t kChunkBytes = 256 << 10;

    ByteCopier(int from, int to) : from_(from), to_(to), buffer_(kChunkBytes) {}

    // False with the OS's reason in `error` when a chunk could not be copied.
    bool Add(std::int64_t bytes, std::string& error);
    bool Flush(std::string& error);

  private:
    bool Copy(std::int64_t bytes, std::string& error);

    int from_;
    int to_;
    std::int64_t pending_ = 0;
    std::vector<char> buffer_;
};

// Writes all of `bytes`, retrying short writes; false with the OS's reason.
bool WriteAll(int fd, const char* bytes, std::size_t size, std::string& error);

}  // namespace tunewrap
