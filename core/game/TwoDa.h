#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The game's 2DA V2.0 text tables.
namespace tunewrap::game {

// The field that holds no value.
inline constexpr std::string_view kNoValue = "****";

struct TwoDaTable {
    bool hasDefault = false;
    std::string defaultValue;  // line 2's "DEFAULT: value", when hasDefault
    std::vector<std::string> columns;
    // Each row's fields, one per column, unquoted. Rows are numbered from 0 in this order; the
    // label each row starts with in the file is not kept (the game ignores it) and is written
    // as the row's number.
    std::vector<std::vector<std::string>> rows;
    friend bool operator==(const TwoDaTable&, const TwoDaTable&) = default;

    // The column's position, or -1; names are compared ignoring case, as the game does.
    int Column(std::string_view name) const;
};

struct TwoDaRead {
    bool ok = false;
    TwoDaTable table;
    std::size_t line = 0;  // 1-based line of the fault when !ok (0: the file as a whole)
    std::string error;     // what is wrong there, when !ok
};

// Reads a table: spaces and tabs separate fields, "..." holds a field with spaces (no escapes),
// CR+LF or LF end lines, blank lines are skipped. Refused with the line: a first line that is
// not "2DA V2.0", a second line that is neither empty nor "DEFAULT: value", no column names, a
// row with fewer or more fields than columns, a quote that never closes.
TwoDaRead ReadTwoDa(std::string_view text);

// The canonical text: CR+LF line ends, fields in columns aligned with spaces, a field quoted
// when it holds a space or a tab or is empty. Reading it gives the same table again.
std::string WriteTwoDa(const TwoDaTable& table);

}  // namespace tunewrap::game
