#pragma once
#include <cstdio>
#include <string>

namespace platform {

// Gives the user a text they asked for, such as the help or the version: on standard output
// where the program has one (a terminal, a file, a pipe); on Windows a window program started
// without a console shows it in a message box instead. False when the text could not be written.
bool TellUser(const std::string& text);

// Tells a window program's user why it will not start as asked (a wrong argument): on `stream`
// where a person reads it, a terminal; started from a file manager or a menu, whose output
// nobody sees, in a message box, and on `stream` too for any log kept of it. Needs the
// program's QApplication (platform/qt/).
void TellUserError(const std::string& text, std::FILE* stream = stderr);

}  // namespace platform
