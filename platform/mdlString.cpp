#include "mdlString.h"

#include <cstdio>
#include <limits>

namespace mdlString {

namespace {

constexpr int kMaxPosition = std::numeric_limits<std::int16_t>::max();

// 1-based position of `piece` in `text` at or after `start`, 0 when absent. An empty piece is
// found at `start` itself as long as `start` lies within the text or just behind it.
int Find(const std::string& text, const std::string& piece, int start) {
    if (start < 1 || text.empty()) return 0;
    if (piece.empty()) return start <= static_cast<int>(text.size()) + 1 ? start : 0;
    if (start > static_cast<int>(text.size())) return 0;
    const std::size_t at = text.find(piece, static_cast<std::size_t>(start - 1));
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace

std::string NextToken(const std::string& text, const std::string& delimiter,
                      std::int16_t& position) {
    const int start = position;
    const int found = Find(text, delimiter, start);
    // Past the 16-bit range the walk ends rather than wrapping to a negative position.
    if (found == 0 || found + 1 > kMaxPosition) {
        position = 0;
        return {};
    }
    position = static_cast<std::int16_t>(found + 1);
    return text.substr(static_cast<std::size_t>(start - 1),
                       static_cast<std::size_t>(found - start));
}

std::int16_t CountOccurrences(const std::string& text, const std::string& piece) {
    // An empty piece would be found at every position without advancing.
    if (piece.empty()) return 0;
    int count = 0;
    for (int at = Find(text, piece, 1); at != 0 && count < kMaxPosition;
         at = Find(text, piece, at + static_cast<int>(piece.size()))) {
        ++count;
    }
    return static_cast<std::int16_t>(count);
}

std::string TrimmedStr(std::int32_t value) {
    return std::to_string(value);
}

std::string TrimmedStr(float value) {
    if (value == 0.0f) return "0";  // also -0
    char text[32];
    std::snprintf(text, sizeof text, "%.7G", static_cast<double>(value));
    return text;
}

}  // namespace mdlString
