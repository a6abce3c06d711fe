#include "UserMessage.h"

#include <windows.h>

#include <cstdio>

#include "WinIo.h"

namespace platform {

namespace {

// Whether standard output leads somewhere: to a file or pipe it was sent to, or to the console
// of the command prompt that started the program. A window program has no console of its own
// and must join its parent's before it can print there.
bool HasStandardOutput() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN)
        return true;
    return AttachConsole(ATTACH_PARENT_PROCESS) && std::freopen("CONOUT$", "w", stdout) != nullptr;
}

}  // namespace

bool TellUser(const std::string& text) {
    if (HasStandardOutput()) {
        std::fputs(text.c_str(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout);
    }
    // Failing, the box gives 0 (Wine without a display: -1), so only a button pressed counts.
    return MessageBoxW(nullptr, win::Wide(text).c_str(), L"Tunewrap", MB_OK | MB_ICONINFORMATION) >
           0;
}

}  // namespace platform
