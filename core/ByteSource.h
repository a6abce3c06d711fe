#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
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

// Copies up to `count` bytes from `offset` on into `destination`, across as many views as it
// takes; how many there were.
inline std::size_t ReadBytesAt(ByteSource& source, std::uint64_t offset, std::uint8_t* destination,
                               std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const auto view = source.View(offset + got);
        if (view.empty()) break;
        const std::size_t take = std::min(view.size(), count - got);
        std::memcpy(destination + got, view.data(), take);
        got += take;
    }
    return got;
}
