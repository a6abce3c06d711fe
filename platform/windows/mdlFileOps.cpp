#include "mdlFileOps.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

#include "FileIo.h"
#include "PathJoin.h"
#include "SystemTimeRecord.h"
#include "WinIo.h"

namespace mdlFileOps {

namespace {

using platform::win::WidePath;

bool HasWildcard(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

// The open state of one walk, owned by the caller's handle until the walk ends. The system
// matches the mask, without regard to case, and hands out the first entry when the walk opens.
struct Walk {
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW entry{};
    bool pending = true;  // `entry` holds one not yet handed out
    ~Walk() {
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
    }
};

Walk* WalkOf(SearchHandle handle) {
    return reinterpret_cast<Walk*>(handle);
}

void CloseWalk(SearchHandle& handle) {
    delete WalkOf(handle);
    handle = 0;
}

bool NextEntry(Walk& walk) {
    if (walk.pending) {
        walk.pending = false;
        return true;
    }
    return FindNextFileW(walk.find, &walk.entry) != 0;
}

::SYSTEMTIME AsWin32(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
            t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

SYSTEMTIME FromWin32(const ::SYSTEMTIME& t) {
    return {t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
            t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

}  // namespace

// The shell's own delete: to the Recycle Bin unless bPermanent, with nothing shown.
void ShellDelete(platform::WindowHandle, const std::string& sFileList, const std::string&, bool,
                 bool bPermanent, bool bIncludeFolders) {
    // The shell takes the names separated by NULs and ended by two; without the \\?\ form.
    std::wstring names = platform::win::Wide(sFileList);
    for (wchar_t& c : names) {
        if (c == L'/') c = L'\\';
    }
    names.append(2, L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = names.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI |
                       (bPermanent ? 0 : FOF_ALLOWUNDO) | (bIncludeFolders ? 0 : FOF_FILESONLY);
    SHFileOperationW(&operation);
}

bool FileExists(const std::string& path) {
    std::string directory, name;
    platform::SplitPath(path, directory, name);
    if (!HasWildcard(name))
        return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    SearchHandle walk = 0;
    const bool found = !FindFile(walk, path, 0).empty();
    FindFile(walk, path, FIND_ABANDON);
    return found;
}

std::string FindFile(SearchHandle& hSearch, const std::string& sFileMask,
                     std::int32_t lAttributes) {
    if (lAttributes == FIND_ABANDON) {
        CloseWalk(hSearch);
        return {};
    }
    if (hSearch == 0) {
        auto walk = std::make_unique<Walk>();
        walk->find = FindFirstFileExW(WidePath(sFileMask).c_str(), FindExInfoBasic, &walk->entry,
                                      FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (walk->find == INVALID_HANDLE_VALUE) return {};
        hSearch = reinterpret_cast<SearchHandle>(walk.release());
    }
    Walk& walk = *WalkOf(hSearch);
    while (NextEntry(walk)) {
        const std::wstring name = walk.entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::int32_t attributes = static_cast<std::int32_t>(walk.entry.dwFileAttributes);
        if (lAttributes == 0 || (attributes & lAttributes) != 0) return platform::win::Narrow(name);
    }
    CloseWalk(hSearch);
    return {};
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

std::int64_t GetFileLength(const std::string& path) {
    std::int64_t size = -1;
    platform::FileTime unused;
    return platform::SizeAndModified(path, size, unused) ? size : -1;
}

}  // namespace mdlFileOps
