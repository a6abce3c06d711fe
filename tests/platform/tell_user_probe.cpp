// A window program, with no console of its own, that tells the user its one argument. Given
// "--from-a-window" first, it has a copy of itself do that instead: that copy's parent has no
// console it could join either, as when the window is started from the desktop.
#include <windows.h>

#include <cstring>

#include "UserMessage.h"

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--from-a-window") == 0) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::wstring text(argv[2], argv[2] + std::strlen(argv[2]));
        std::wstring line = L"\"" + std::wstring(self) + L"\" \"" + text + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;  // none, as the desktop starts a program
        PROCESS_INFORMATION copy{};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &copy))
            return 4;
        // A box the test could not find and close goes when the test ends this process.
        const HANDLE job = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        AssignProcessToJobObject(job, copy.hProcess);
        WaitForSingleObject(copy.hProcess, INFINITE);
        DWORD status = 4;
        GetExitCodeProcess(copy.hProcess, &status);
        return static_cast<int>(status);
    }
    return argc == 2 && platform::TellUser(argv[1]) ? 0 : 3;
}
