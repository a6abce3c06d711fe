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

}  // namespace mdlString
