#pragma once
#include <optional>
#include <string>
#include <string_view>

// The settings files' text, in the INI dialect Qt's QSettings writes (and earlier versions of
// this program wrote through it): "[General]" holds the top-level names, values are escaped C
// style and quoted where they hold separators. Only text values are ever taken from it. A typed
// value ("@Variant(...)", "@ByteArray(...)"...) is reported, never decoded: its bytes come from
// the file, and decoding them is how a damaged file could make a reader ask for gigabytes.
namespace platform {

struct IniValue {
    bool isText = true;  // false for a typed value, whose text is then empty
    std::string text;    // unescaped, UTF-8 as stored
};

// The last value the text gives `name` (a top-level name, or "section/name"); none when absent.
std::optional<IniValue> FindIniValue(std::string_view iniText, std::string_view name);

// The text with `name` (top-level) set to the text `value`. Every other line is kept as it is,
// damaged ones too; the value's earlier lines go.
std::string WithIniValue(std::string_view iniText, std::string_view name, std::string_view value);

}  // namespace platform
