#pragma once
#include <algorithm>
#include <string_view>

// The game compares resource and column names without regard to case, but only for ASCII
// letters: its names never hold anything else.
namespace tunewrap::game {

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

}  // namespace tunewrap::game
