#pragma once
#include <string>

namespace platform {

// Gives the user a text they asked for, such as the help or the version: on standard output
// where the program has one (a terminal, a file, a pipe); on Windows a window program started
// without a console shows it in a message box instead. False when the text could not be written.
bool TellUser(const std::string& text);

}  // namespace platform
