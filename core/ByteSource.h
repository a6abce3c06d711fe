#pragma once
#include <cstdint>
#include <span>

// Where the frame-header scan gets its bytes: a file through a small buffer, a BMU file's bytes
// behind its header, or bytes already in memory (tests, fuzzing). Nothing is read that the scan
// does not ask for.
class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // The bytes from `offset` on that can be had without another read: at least one, unless
    // `offset` lies at or beyond the end (or the source failed), when the view is empty. The view
    // stays valid until the next call.
    virtual std::span<const std::uint8_t> View(std::uint64_t offset) = 0;
};
