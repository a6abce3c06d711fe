#include "Terminal.h"

#include <gtest/gtest.h>

// Each row: a name, then as a terminal is shown it. C1 controls are caught as UTF-8 and as
// bytes on their own (an 8-bit terminal takes 0x9B for an escape), yet the same bytes inside a
// longer UTF-8 character stay.
TEST(Terminal, ControlCharactersShowAsQuestionMarks) {
    const std::pair<std::string, std::string> rows[] = {
        {"a\x1B[31m\tb\n", "a?[31m?b?"},
        {"\x7F\xC2\x80\xC2\x9B\xC2\x9F", "????"},
        {"\x80 \x9B \x9F \xE6\x9B", "? ? ? \xE6?"},
        {"\xC2\xA0\xC3\xA9\xE6\x9B\xB2\xF0\x9F\x8E\xB5 \xE9\xC2", ""},
    };
    for (const auto& [text, shown] : rows)
        EXPECT_EQ(platform::TerminalSafe(text), shown.empty() ? text : shown) << text;
}
