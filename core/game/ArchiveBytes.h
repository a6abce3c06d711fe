#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "RandomAccess.h"

// Numbers and byte ranges as the game's archives store them: little-endian on every platform,
// and never more bytes taken into memory than the file really holds.
namespace tunewrap::game::archive {

// Every file of the game's starts with its type and its version, four characters each.
inline constexpr std::size_t kTypeAt = 0;
inline constexpr std::size_t kVersionAt = 4;
inline constexpr std::size_t kTagSize = 4;

template <typename Number>
Number ReadLe(std::string_view bytes, std::size_t at) {
    Number value = 0;
    for (std::size_t i = 0; i < sizeof(Number); ++i)
        value |= static_cast<Number>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

template <typename Number>
void PutLe(std::string& bytes, std::size_t at, Number value) {
    for (std::size_t i = 0; i < sizeof(Number); ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A table of `count` records of `recordSize` bytes at `offset`: inside the file and behind its
// header. The product is checked in 64 bits, so a huge count cannot wrap into a small range.
inline bool TableFits(const RandomAccess& file, std::uint64_t headerSize, std::uint64_t offset,
                      std::uint64_t count, std::uint64_t recordSize) {
    return offset >= headerSize && offset <= file.size &&
           count <= (file.size - offset) / recordSize;
}

// `size` bytes at `offset`, or nullopt when they are not all in the file.
inline std::optional<std::string> ReadRange(const RandomAccess& file, std::uint64_t offset,
                                            std::uint64_t size) {
    if (offset > file.size || size > file.size - offset) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !file.readAt(offset, bytes.size(), bytes.data())) return std::nullopt;
    return bytes;
}

// Record `index` of a table of `recordSize`-byte records at `tableAt`.
inline std::optional<std::string> ReadRecord(const RandomAccess& file, std::uint64_t tableAt,
                                             std::uint64_t index, std::uint64_t recordSize) {
    return ReadRange(file, tableAt + index * recordSize, recordSize);
}

// A name field as stored: up to its first NUL.
inline std::string_view NameField(std::string_view bytes, std::size_t at, std::size_t width) {
    const std::string_view field = bytes.substr(at, width);
    return field.substr(0, field.find('\0'));
}

}  // namespace tunewrap::game::archive
