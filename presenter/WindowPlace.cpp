#include "WindowPlace.h"

#include <array>
#include <charconv>

namespace tunewrap {

namespace {

enum Field { X, Y, Width, Height, Maximised, FieldCount };

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A whole number with blanks around it and an optional sign, as a person may write it by hand.
bool ParseField(const char* begin, const char* end, int& value) {
    while (begin != end && IsBlank(*begin)) ++begin;
    while (end != begin && IsBlank(end[-1])) --end;
    if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end && begin != end;
}

}  // namespace

std::string WindowPlaceText(const WindowPlace& place) {
    return std::to_string(place.x) + ',' + std::to_string(place.y) + ',' +
           std::to_string(place.width) + ',' + std::to_string(place.height) + ',' +
           (place.maximised ? '1' : '0');
}

std::optional<WindowPlace> ParseWindowPlace(const std::string& text) {
    std::array<int, FieldCount> fields{};
    std::size_t start = 0;
    for (int i = 0; i < FieldCount; ++i) {
        const std::size_t comma = text.find(',', start);
        if ((comma == std::string::npos) != (i == FieldCount - 1)) return std::nullopt;
        const std::size_t stop = comma == std::string::npos ? text.size() : comma;
        if (!ParseField(text.data() + start, text.data() + stop, fields[i])) return std::nullopt;
        start = stop + 1;
    }
    if (fields[Width] <= 0 || fields[Height] <= 0 || (fields[Maximised] & ~1) != 0) {
        return std::nullopt;
    }
    return WindowPlace{fields[X], fields[Y], fields[Width], fields[Height], fields[Maximised] == 1};
}

}  // namespace tunewrap
