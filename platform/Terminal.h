#pragma once
#include <cstdio>

// What the command line needs to know about where its output goes.
namespace platform {

// Whether `stream` is a terminal a person reads (and answers on).
bool IsTerminal(std::FILE* stream);

// The terminal's width in characters; 0 when `stream` is no terminal or does not say.
int TerminalColumns(std::FILE* stream);

}  // namespace platform
