#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {
class ReadOnlyFile;
class PartFile;
}  // namespace platform

namespace tunewrap {

// Moves bytes from a source file's position to a part file in large system calls while the caller
// counts in small logical blocks. Nothing queued is written before its chunk is complete or Flush
// is called. The bytes given to the constructor go first; the source's bytes behind them the
// kernel moves where it can, else they pass through a buffer in chunks that end where the
// destination's do.
class ByteCopier {
  public:
    // Large enough to keep system calls rare, small enough to stay in the processor's cache.
    static constexpr std::int64_t kChunkBytes = 256 << 10;
    // Bytes never pass through the program here, so only looking at progress and Cancel between
    // chunks bounds the size.
    static constexpr std::int64_t kKernelChunkBytes = 8 << 20;

    // `header` goes out first; `read` holds the source's bytes up to its position, already read,
    // which the first bytes added take instead of reading them. Together they are shorter than a
    // chunk.
    ByteCopier(platform::ReadOnlyFile& from, platform::PartFile& to, std::string_view header,
               std::string_view read);
    ~ByteCopier();
    ByteCopier(const ByteCopier&) = delete;
    ByteCopier& operator=(const ByteCopier&) = delete;

    // False with the OS's reason in `error` when the source could not be read or the destination
    // not written.
    bool Add(std::int64_t bytes, std::string& error);
    bool Flush(std::string& error);
    // Reads and drops the source's next `bytes`; only before anything is added, with nothing
    // read given.
    bool Skip(std::int64_t bytes, std::string& error);

  private:
    std::int64_t ChunkEnd() const;
    bool Send(std::int64_t bytes, std::string& error);
    bool Read(std::int64_t bytes, std::string& error);
    bool WriteBuffer(std::int64_t bytes, std::string& error);

    platform::ReadOnlyFile& from_;
    platform::PartFile& to_;
    std::unique_ptr<char[]> buffer_;
    std::int64_t filled_ = 0;   // bytes in the buffer, not yet written
    std::int64_t pending_ = 0;  // bytes queued but not yet read
    std::int64_t ahead_ = 0;    // bytes read (the last in the buffer) but not yet queued
    std::int64_t written_ = 0;  // bytes in the part file
    bool kernel_ = true;        // until the kernel moves nothing
};

}  // namespace tunewrap
