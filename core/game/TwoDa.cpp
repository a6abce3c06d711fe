#include "TwoDa.h"

#include <algorithm>

#include "AsciiCase.h"
#include "UiText.h"

// The canonical layout: every column as wide as its widest field (quotes counted, bytes not
// characters), fields left-aligned and one space apart, the last field of a line unpadded so no
// line ends in spaces. Row labels are the row numbers, padded to the widest; the column names
// start after as many spaces as the labels take plus the one between.
namespace tunewrap::game {
namespace {

constexpr std::string_view kSignature = "2DA V2.0";
constexpr std::string_view kDefaultTag = "DEFAULT:";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";

std::string_view TrimmedEnd(std::string_view line) {
    const std::size_t end = line.find_last_not_of(kBlanks);
    return line.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

// One line's fields; false when a quote does not close on it.
bool SplitFields(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    for (std::size_t at = line.find_first_not_of(kBlanks); at != std::string_view::npos;
         at = line.find_first_not_of(kBlanks, at)) {
        if (line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            if (close == std::string_view::npos) return false;
            fields.emplace_back(line.substr(at + 1, close - at - 1));
            at = close + 1;
        } else {
            const std::size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
            fields.emplace_back(line.substr(at, end - at));
            at = end;
        }
    }
    return true;
}

std::string Quoted(std::string_view field) {
    const bool quote = field.empty() || field.find_first_of(kBlanks) != std::string_view::npos;
    return quote ? "\"" + std::string(field) + "\"" : std::string(field);
}

// Lines of fields (the labels first) laid out in aligned columns.
void AppendAligned(const std::vector<std::vector<std::string>>& lines, std::string& text) {
    std::vector<std::size_t> widths;
    for (const auto& line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            text += line[i];
            if (i + 1 < line.size()) text.append(widths[i] + 1 - line[i].size(), ' ');
        }
        text += kLineEnd;
    }
}

TwoDaRead Refused(std::size_t line, std::string error) {
    return {.ok = false, .table = {}, .line = line, .error = std::move(error)};
}

}  // namespace

int TwoDaTable::Column(std::string_view name) const {
    const auto found = std::ranges::find_if(
        columns, [name](const std::string& column) { return EqualIgnoringCase(column, name); });
    return found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
}

TwoDaRead ReadTwoDa(std::string_view text) {
    TwoDaRead read;
    TwoDaTable& table = read.table;
    std::vector<std::string> fields;
    bool haveColumns = false;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size() || number == 0; ++number) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (number == 0) {
            if (TrimmedEnd(line) != kSignature)
                return Refused(1, platform::Tr("TwoDa", "not a 2DA V2.0 table"));
            continue;
        }
        if (number == 1) {
            const std::size_t first = line.find_first_not_of(kBlanks);
            if (first == std::string_view::npos) continue;
            const std::string_view tagged = line.substr(first);
            if (!tagged.starts_with(kDefaultTag) ||
                !SplitFields(tagged.substr(kDefaultTag.size()), fields) || fields.size() != 1)
                return Refused(2, platform::Tr("TwoDa", "neither empty nor \"DEFAULT: value\""));
            table.hasDefault = true;
            table.defaultValue = std::move(fields[0]);
            continue;
        }
        if (!SplitFields(line, fields))
            return Refused(number + 1, platform::Tr("TwoDa", "a quote is not closed"));
        if (fields.empty()) continue;
        if (!haveColumns) {
            table.columns = fields;
            haveColumns = true;
            continue;
        }
        if (fields.size() != table.columns.size() + 1) {
            return Refused(
                number + 1,
                platform::Filled(
                    platform::Tr("TwoDa", "a row has %1 fields for %2 columns"),
                    {std::to_string(fields.size() - 1), std::to_string(table.columns.size())}));
        }
        table.rows.emplace_back(std::make_move_iterator(fields.begin() + 1),
                                std::make_move_iterator(fields.end()));
    }
    if (!haveColumns) return Refused(0, platform::Tr("TwoDa", "the column names are missing"));
    read.ok = true;
    return read;
}

std::string WriteTwoDa(const TwoDaTable& table) {
    std::string text(kSignature);
    text += kLineEnd;
    if (table.hasDefault) text += std::string(kDefaultTag) + " " + Quoted(table.defaultValue);
    text += kLineEnd;
    std::vector<std::vector<std::string>> lines{{""}};
    for (const std::string& column : table.columns) lines[0].push_back(Quoted(column));
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        lines.push_back({std::to_string(row)});
        for (const std::string& field : table.rows[row]) lines.back().push_back(Quoted(field));
    }
    AppendAligned(lines, text);
    return text;
}

}  // namespace tunewrap::game
