#include "CommandLine.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "WinIo.h"

namespace platform {

namespace {

// The console's output code page is the console's, not the program's: it is given back.
UINT gConsoleCodePage = 0;

void RestoreConsoleCodePage() {
    SetConsoleOutputCP(gConsoleCodePage);
}

}  // namespace

char** StartCommandLine(int& argc, char** argv) {
    // Output is the same bytes as elsewhere: "\n" line ends, UTF-8 names. A console is told to
    // show UTF-8 while the program runs.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    gConsoleCodePage = GetConsoleOutputCP();
    if (gConsoleCodePage != 0 && gConsoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(&RestoreConsoleCodePage);

    // argv is in the ANSI code page, which cannot hold every name; the wide command line can.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return argv;
    // Kept to the end of the process, as argv would be.
    static std::vector<std::string> arguments;
    static std::vector<char*> pointers;
    for (int i = 0; i < count; ++i) arguments.push_back(win::Narrow(wide[i]));
    LocalFree(wide);
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    argc = count;
    return pointers.data();
}

}  // namespace platform
