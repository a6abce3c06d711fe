#pragma once
#include <cstdint>
#include <span>

#include "ByteSource.h"
#include "MP3Utils.h"

// Bytes already in memory, all in one view.
class MemoryByteSource final : public ByteSource {
  public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::span<const std::uint8_t> View(std::uint64_t offset) override {
        if (offset >= bytes_.size()) return {};
        return bytes_.subspan(static_cast<std::size_t>(offset));
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

inline void ScanBytes(MP3Utils& reader, std::span<const std::uint8_t> bytes) {
    MemoryByteSource source(bytes);
    reader.Scan(source);
}
