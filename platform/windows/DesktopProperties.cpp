#include "DesktopProperties.h"

#include <windows.h>

#include <shellapi.h>

#include "WinIo.h"

namespace platform {

bool AskDesktopForProperties(const std::string& path) {
    const std::wstring file = win::ShellPath(path);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // The sheet opens on a thread of this process: the call returns once it is up. A failure is
    // told by the result only, so the program's own dialog can take over without a shell message
    // before it.
    request.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    request.lpVerb = L"properties";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOW;
    return ShellExecuteExW(&request) != FALSE;
}

}  // namespace platform
