#pragma once
#include <cstdint>
#include <string>

// Small text helpers. Positions are 1-based, as the callers count them.
namespace mdlString {

// Returns the text from `position` up to the next `delimiter` and moves `position` one past the
// delimiter's first character; 0 (and an empty token) once nothing more is found.
std::string NextToken(const std::string& text, const std::string& delimiter,
                      std::int16_t& position);

// Non-overlapping occurrences of `piece` (not empty) in `text`, left to right.
std::int16_t CountOccurrences(const std::string& text, const std::string& piece);

// Locale-independent decimal text without blanks: integers as digits, single-precision values
// with at most seven significant digits, "." as separator and no trailing zeros.
std::string TrimmedStr(std::int32_t value);
std::string TrimmedStr(float value);

// Whether `byte` begins a character of UTF-8 text rather than continuing one; counting these
// counts characters, and cutting before one never splits a character.
constexpr bool StartsCharacter(char byte) {
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuationBits = 0x80;
    return (static_cast<unsigned char>(byte) & kContinuationMask) != kContinuationBits;
}

}  // namespace mdlString
