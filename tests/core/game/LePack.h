#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Archive bytes written by hand, independently of the code under test.
inline std::string Le(std::uint64_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}
inline const auto U16 = [](std::uint64_t value) { return Le(value, 2); };
inline const auto U32 = [](std::uint64_t value) { return Le(value, 4); };
inline const auto Padded = [](std::string text, std::size_t width) {
    return text.resize(width), text;
};
