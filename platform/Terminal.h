#pragma once
#include <cstdio>
#include <string>
#include <string_view>

// What the command line needs to know about where its output goes.
namespace platform {

// Whether `stream` is a terminal a person reads (and answers on).
bool IsTerminal(std::FILE* stream);

// The terminal's width in characters; 0 when `stream` is no terminal or does not say.
int TerminalColumns(std::FILE* stream);

// Every control character (C0, DEL, and C1, as UTF-8 or as a byte on its own) shown as "?", as
// ls does, so that a file name cannot drive the terminal it is printed to; newlines stay when
// asked to.
std::string TerminalSafe(std::string_view text, bool keepNewlines = false);
// `text` as it may be written to `stream`: made safe where that is a terminal, else as it is.
std::string ShownOn(std::FILE* stream, const std::string& text);

}  // namespace platform
