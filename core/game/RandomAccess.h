#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tunewrap::game {

// Bytes read by offset from a file or from memory, so that the archive readers run the same on
// a file on disk, in the tests and under the fuzzer. `readAt(offset, size, into)` fills `into`
// with exactly `size` bytes from `offset`, or is false.
struct RandomAccess {
    std::function<bool(std::uint64_t offset, std::size_t size, char* into)> readAt;
    std::uint64_t size = 0;
};

// The file at `path`, opened for reading while the returned object lives; nullopt with
// `error` set when it cannot be opened.
std::optional<RandomAccess> OpenRandomAccess(const std::string& path, std::string& error);

// Bytes in memory, which must outlive the returned object.
RandomAccess MemoryRandomAccess(std::string_view bytes);

}  // namespace tunewrap::game
