#include "IniText.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

// The line, key and value rules follow Qt's INI reader and writer closely, so that a file
// either of them wrote reads the same through the other.
namespace platform {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kGeneralSection = "[General]";
constexpr char kTypedValueMark = '@';

bool IsLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsLineSpecial(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}
bool IsAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsAsciiSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsAsciiSpace(text.back())) text.remove_suffix(1);
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One UTF-16 code unit, as the escapes give them; a lone surrogate becomes U+FFFD.
void AppendUnit(std::string& out, std::uint16_t unit) {
    std::uint32_t code = unit;
    if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

struct IniLine {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t equals = std::string_view::npos;  // within the line
    std::string_view Text(std::string_view all) const { return all.substr(start, length); }
};

// The logical lines: a quoted value and a backslash go on over line ends; ';' starts a comment.
std::vector<IniLine> SplitLines(std::string_view data) {
    std::vector<IniLine> lines;
    std::size_t pos = data.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    for (;;) {
        std::size_t lineStart = pos;
        while (lineStart < data.size() && IsLineSpace(data[lineStart])) ++lineStart;
        std::size_t equals = std::string_view::npos;
        bool inQuotes = false;
        std::size_t i = lineStart;
        while (i < data.size()) {
            const char c = data[i++];
            if (!IsLineSpecial(c)) continue;
            if (c == '=') {
                if (!inQuotes && equals == std::string_view::npos) equals = i - 1;
            } else if (c == '\n' || c == '\r') {
                if (i == lineStart + 1) {
                    ++lineStart;
                } else if (!inQuotes) {
                    --i;
                    break;
                }
            } else if (c == '\\') {
                if (i < data.size()) {
                    const char next = data[i++];
                    if (i < data.size() &&
                        ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n'))) {
                        ++i;
                    }
                }
            } else if (c == '"') {
                inQuotes = !inQuotes;
            } else if (i == lineStart + 1) {  // ';' first: the whole line is a comment
                while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
                while (i < data.size() && IsLineSpace(data[i])) ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
        pos = i;
        if (i <= lineStart) return lines;
        IniLine line{lineStart, i - lineStart, std::string_view::npos};
        if (equals != std::string_view::npos && equals >= lineStart)
            line.equals = equals - lineStart;
        lines.push_back(line);
    }
}

// "%XX" and "%UXXXX" stand for one character, '\' for '/'.
std::string UnescapedKey(std::string_view key) {
    std::string out;
    std::size_t i = 0;
    while (i < key.size()) {
        if (key[i] == '\\') {
            out += '/';
            ++i;
            continue;
        }
        if (key[i] != '%' || i + 1 == key.size()) {
            out += key[i++];
            continue;
        }
        const bool wide = key[i + 1] == 'U';
        const std::size_t first = i + (wide ? 2 : 1);
        const std::size_t digits = wide ? 4 : 2;
        std::uint16_t unit = 0;
        bool ok = first + digits <= key.size();
        for (std::size_t k = 0; ok && k < digits; ++k) {
            const int digit = HexDigit(key[first + k]);
            ok = digit >= 0;
            unit = static_cast<std::uint16_t>(unit * 16 + digit);
        }
        if (!ok) {
            out += '%';
            ++i;
            continue;
        }
        AppendUnit(out, unit);
        i = first + digits;
    }
    return out;
}

bool IsPlainKeyChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

std::string EscapedKey(std::string_view key) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : key) {
        if (c == '/') {
            out += '\\';
        } else if (IsPlainKeyChar(c)) {
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += {'%', kHex[byte / 16], kHex[byte % 16]};
        }
    }
    return out;
}

// The section a header line opens, as the prefix of its full names ("" for the general one).
std::string SectionPrefix(std::string_view header) {
    const std::size_t close = header.find(']');
    const std::string_view name =
        Trimmed(header.substr(1, close == std::string_view::npos ? close : close - 1));
    // ASCII letters alike in either case; nothing else folds.
    const auto equalsNoCase = [](std::string_view a, std::string_view lower) {
        return a.size() == lower.size() &&
               std::equal(a.begin(), a.end(), lower.begin(), [](char c, char l) {
                   return c == l || (c >= 'A' && c <= 'Z' && c - 'A' + 'a' == l);
               });
    };
    if (equalsNoCase(name, "general")) return {};
    if (equalsNoCase(name, "%general")) return std::string(name.substr(1)) + '/';
    return UnescapedKey(name) + '/';
}

struct ValueText {
    std::string text;
    bool isList = false;  // an unquoted ',' splits the value into items
    bool anyItemTyped = false;
};

void ChopTrailingBlanks(std::string& text, std::size_t limit) {
    while (text.size() > limit && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
}

// C escapes, "\xHHHH" and octal escapes, quotes that keep blanks and separators. Blanks that
// end an unquoted item go, unless an escape wrote them.
ValueText UnescapedValue(std::string_view raw) {
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                           {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                           {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    ValueText out;
    std::string item;
    bool inQuotes = false;
    bool itemQuoted = false;
    std::size_t chopLimit = 0;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
        chopLimit = item.size();
    };
    const auto endItem = [&](bool chop) {
        if (chop && !itemQuoted) ChopTrailingBlanks(item, chopLimit);
        if (!item.empty() && item[0] == kTypedValueMark && (item.size() < 2 || item[1] != '@')) {
            out.anyItemTyped = true;
        }
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size()) {  // a lone backslash ends the value as it stands
                endItem(false);
                if (!out.isList) out.text = std::move(item);
                return out;
            }
            const char code = raw[i++];
            const auto* named = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                             [code](const char* e) { return e[0] == code; });
            const bool hex = code == 'x' && i < raw.size() && HexDigit(raw[i]) >= 0;
            if (named != std::end(kEscapes)) {
                item += (*named)[1];
            } else if (hex || (code >= '0' && code <= '7')) {
                const int base = hex ? 16 : 8;
                std::uint16_t unit = hex ? 0 : static_cast<std::uint16_t>(code - '0');
                for (; i < raw.size(); ++i) {
                    const int digit = HexDigit(raw[i]);
                    if (digit < 0 || digit >= base) break;
                    unit = static_cast<std::uint16_t>(unit * base + digit);
                }
                AppendUnit(item, unit);
            } else if ((code == '\n' || code == '\r') && i < raw.size() &&
                       (raw[i] == '\n' || raw[i] == '\r') && raw[i] != code) {
                ++i;  // an escaped line end of two characters
            }
            chopLimit = item.size();
        } else if (c == '"') {
            ++i;
            itemQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            endItem(true);
            out.isList = true;
            item.clear();
            itemQuoted = false;
            ++i;
            skipBlanks();
        } else {
            std::size_t j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') ++j;
            item.append(raw.substr(i, j - i));
            i = j;
        }
    }
    endItem(true);
    if (!out.isList) out.text = std::move(item);
    return out;
}

std::string EscapedValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    if (!value.empty() && value[0] == kTypedValueMark) out += kTypedValueMark;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeNextIfHexDigit && HexDigit(c) >= 0) {
            out += {'\\', 'x', kHex[byte / 16], kHex[byte % 16]};
            continue;
        }
        escapeNextIfHexDigit = false;
        static constexpr std::string_view kNamed = "\a\b\f\n\r\t\v";
        static constexpr std::string_view kNames = "abfnrtv";
        if (const std::size_t named = kNamed.find(c);
            c != '\0' && named != std::string_view::npos) {
            out += {'\\', kNames[named]};
        } else if (c == '"' || c == '\\') {
            out += {'\\', c};
        } else if (byte <= 0x1F || byte == 0x7F) {
            out += {'\\', 'x'};
            if (byte >= 16) out += kHex[byte / 16];
            out += kHex[byte % 16];
            escapeNextIfHexDigit = true;
        } else {
            out += c;
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
        out = '"' + out + '"';
    }
    return out;
}

// The lines of the text with the full name each gives a value, in file order.
struct NamedLine {
    IniLine line;
    std::string fullName;  // empty for a header or a line without '='
    bool header = false;
    bool general = true;  // in the general section (before any header, or under "[General]")
};

std::vector<NamedLine> NamedLines(std::string_view iniText) {
    std::vector<NamedLine> named;
    std::string prefix;
    for (const IniLine& line : SplitLines(iniText)) {
        const std::string_view text = line.Text(iniText);
        NamedLine entry{line, {}, false, prefix.empty()};
        if (text.front() == '[') {
            prefix = SectionPrefix(text);
            entry.header = true;
            entry.general = prefix.empty();
        } else if (line.equals != std::string_view::npos) {
            entry.fullName = prefix + UnescapedKey(Trimmed(text.substr(0, line.equals)));
        }
        named.push_back(std::move(entry));
    }
    return named;
}

}  // namespace

std::optional<IniValue> FindIniValue(std::string_view iniText, std::string_view name) {
    std::optional<IniValue> found;
    for (const NamedLine& entry : NamedLines(iniText)) {
        if (entry.fullName.empty() || entry.fullName != name) continue;
        const std::string_view line = entry.line.Text(iniText);
        const std::string_view raw = line.substr(entry.line.equals + 1);
        ValueText value = UnescapedValue(raw);
        IniValue result;
        if (value.anyItemTyped) {
            // "@String(...)" is how old writers kept text; "@@" a text starting with '@'.
            static constexpr std::string_view kStringMark = "@String(";
            const std::string& text = value.text;
            if (!value.isList && text.rfind(kStringMark, 0) == 0 && text.back() == ')') {
                result.text = text.substr(kStringMark.size(), text.size() - kStringMark.size() - 1);
            } else {
                result.isText = false;
            }
        } else if (value.isList) {
            // An unquoted "a, b" is the text as the user wrote it.
            result.text = std::string(Trimmed(raw));
        } else if (!value.text.empty() && value.text[0] == kTypedValueMark) {
            result.text = value.text.substr(1);
        } else {
            result.text = std::move(value.text);
        }
        found = std::move(result);
    }
    return found;
}

std::string WithIniValue(std::string_view iniText, std::string_view name, std::string_view value) {
    const std::string newLine = EscapedKey(name) + '=' + EscapedValue(value);
    std::string out;
    std::size_t copied = 0;
    bool placed = false;
    std::size_t generalEnd = std::string_view::npos;  // after the general section's last line
    for (const NamedLine& entry : NamedLines(iniText)) {
        const std::size_t end = entry.line.start + entry.line.length;
        if (!entry.general) continue;
        generalEnd = end;
        if (entry.fullName != name) continue;
        // The first line of the name takes the new value; later ones would override it.
        out.append(iniText.substr(copied, entry.line.start - copied));
        copied = end;
        if (!placed) {
            out += newLine;
        } else if (iniText.substr(end, 1) == "\n") {
            ++copied;  // a later line goes with its line end
        }
        placed = true;
    }
    if (placed) return out.append(iniText.substr(copied));
    // A new name goes after the general section's last line, unless a damaged line there (an
    // open quote, a closing backslash) would swallow it; then at the very top.
    if (generalEnd != std::string_view::npos) {
        std::string tidy = std::string(iniText.substr(0, generalEnd)) + '\n' + newLine +
                           std::string(iniText.substr(generalEnd));
        const std::optional<IniValue> back = FindIniValue(tidy, name);
        if (back && back->text == FindIniValue(newLine, name)->text) return tidy;
    }
    const std::size_t bom = iniText.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    std::string head = std::string(kGeneralSection) + '\n' + newLine + '\n';
    if (!Trimmed(iniText.substr(bom)).empty()) head += '\n';
    return std::string(iniText.substr(0, bom)) + head + std::string(iniText.substr(bom));
}

}  // namespace platform
