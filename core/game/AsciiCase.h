#pragma once
#include <algorithm>
#include <string>
#include <string_view>

// The game compares resource and column names without regard to case, but only for ASCII
// letters: its names never hold anything else.
namespace tunewrap::game {

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) c = AsciiLower(c);
    return lowered;
}

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

}  // namespace tunewrap::game
