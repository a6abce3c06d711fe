#pragma once
#include <cstdint>
#include <string>

namespace mdlRegistry {

// A value found in a store as ReadRegString hands it out: the text trimmed of spaces, or the
// marker for a value that is not text. A text longer than the caller's buffer held (1024 bytes)
// empties `value` and reports ERROR_MORE_DATA.
std::int32_t FoundValue(std::string text, bool isText, std::string& value);

}  // namespace mdlRegistry
