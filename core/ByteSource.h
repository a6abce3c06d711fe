#pragma once
#include <cstdint>
#include <span>

// Where the frame-header scan gets its bytes: a file through a small buffer, or bytes already in
// memory (tests, fuzzing). Nothing is read that the scan does not ask for.
class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // The bytes from `offset` on that can be had without another read: at least one, unless
    // `offset` lies at or beyond the end (or the source failed), when the view is empty. The view
    // stays valid until the next call.
    virtual std::span<const std::uint8_t> View(std::uint64_t offset) = 0;
};

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
