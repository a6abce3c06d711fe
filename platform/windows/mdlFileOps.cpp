#include "mdlFileOps.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

#include "FileIo.h"
#include "FileWalk.h"
#include "PathJoin.h"
#include "SystemTimeRecord.h"
#include "WinIo.h"

namespace mdlFileOps {

namespace {

using platform::win::WidePath;

::SYSTEMTIME AsWin32(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
            t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

SYSTEMTIME FromWin32(const ::SYSTEMTIME& t) {
    return {t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
            t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

}  // namespace

namespace walk {

// The system matches the mask, without regard to case, and hands out the first entry when the
// walk opens.
struct Walk {
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW entry{};
    bool pending = true;  // `entry` holds one not yet handed out
    ~Walk() {
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
    }
};

Walk* Open(const std::string& mask) {
    auto walk = std::make_unique<Walk>();
    walk->find = FindFirstFileExW(WidePath(mask).c_str(), FindExInfoBasic, &walk->entry,
                                  FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    return walk->find == INVALID_HANDLE_VALUE ? nullptr : walk.release();
}

bool Next(Walk& walk, std::string& name, std::int32_t& attributes) {
    if (!walk.pending && !FindNextFileW(walk.find, &walk.entry)) return false;
    walk.pending = false;
    name = platform::win::Narrow(walk.entry.cFileName);
    attributes = static_cast<std::int32_t>(walk.entry.dwFileAttributes);
    return true;
}

void Close(Walk* walk) {
    delete walk;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace walk

// The shell's own delete: to the Recycle Bin unless bPermanent; its question and progress only
// as the caller asks.
void ShellDelete(platform::WindowHandle hwndOwner, const std::string& sFileList,
                 const std::string& sProgressTitle, bool bConfirm, bool bPermanent,
                 bool bIncludeFolders) {
    // The shell takes the names separated by NULs and ended by two.
    std::wstring names = platform::win::ShellPath(sFileList);
    names.append(2, L'\0');
    const std::wstring title = platform::win::Wide(sProgressTitle);
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = reinterpret_cast<HWND>(hwndOwner);
    operation.wFunc = FO_DELETE;
    operation.pFrom = names.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(
        (bConfirm ? 0 : FOF_NOCONFIRMATION) | (bPermanent ? 0 : FOF_ALLOWUNDO) |
        (bIncludeFolders ? 0 : FOF_FILESONLY) | (title.empty() ? FOF_SILENT : 0));
    operation.lpszProgressTitle = title.c_str();
    SHFileOperationW(&operation);
}

// Local time at the offset in force now, both ways, so a time read from one file and written to
// another arrives unchanged whatever the season.
SYSTEMTIME GetFileDateTime(const std::string& path) {
    const platform::ReadOnlyFile file(path);
    if (file.error() != 0 || file.isDirectory()) return {};
    const FILETIME utc = platform::win::Win32TimeOf(file.modified());
    FILETIME local{};
    ::SYSTEMTIME record{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &record)) return {};
    return FromWin32(record);
}

void SetFileDateTime(const std::string& path, const SYSTEMTIME& time) {
    if (!record::IsValid(time)) return;
    const ::SYSTEMTIME wanted = AsWin32(time);
    FILETIME local{}, utc{};
    if (!SystemTimeToFileTime(&wanted, &local) || !LocalFileTimeToFileTime(&local, &utc)) return;
    const platform::win::Handle file = platform::win::OpenPath(
        path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (file.valid()) SetFileTime(file.get(), nullptr, nullptr, &utc);
}

}  // namespace mdlFileOps
