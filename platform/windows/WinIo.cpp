#include "WinIo.h"

#include <cerrno>

namespace platform::win {

namespace {

// The Win32 errors a file operation meets, as the errno values the callers word.
struct ErrorPair {
    DWORD win32;
    int posix;
};
constexpr ErrorPair kErrnoOf[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_INVALID_DRIVE, ENOENT},
    {ERROR_BAD_NETPATH, ENOENT},
    {ERROR_BAD_NET_NAME, ENOENT},
    {ERROR_INVALID_NAME, ENOENT},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_SHARING_VIOLATION, EBUSY},
    {ERROR_LOCK_VIOLATION, EBUSY},
    {ERROR_DELETE_PENDING, EBUSY},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {ERROR_WRITE_PROTECT, EROFS},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_BROKEN_PIPE, EPIPE},
    {ERROR_NO_DATA, EPIPE},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_OUTOFMEMORY, ENOMEM},
    {ERROR_NOT_SAME_DEVICE, EXDEV},
    {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
    {ERROR_INVALID_PARAMETER, EINVAL},
};

// A FILETIME counts 100-nanosecond steps since 1601.
constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kNanosecondsPerTick = 100;
constexpr std::int64_t kUnixEpochTicks = 116444736000000000LL;

bool StartsWith(const std::wstring& text, const wchar_t* start) {
    return text.rfind(start, 0) == 0;
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::wstring ShellPath(const std::string& utf8) {
    std::wstring path = Wide(utf8);
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

std::wstring WidePath(const std::string& utf8) {
    std::wstring path = ShellPath(utf8);
    if (path.empty() || StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\")) return path;
    // GetFullPathNameW also folds "." and ".." and doubled separators, which the prefix would
    // otherwise pass on to the file system verbatim.
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    full.resize(length);
    const bool onDrive = full.size() >= 3 && full[1] == L':' && full[2] == L'\\';
    if (onDrive) return L"\\\\?\\" + full;
    if (StartsWith(full, L"\\\\") && !StartsWith(full, L"\\\\.\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return full;
}

FileTime TimeOf(const FILETIME& time) {
    const auto ticks = static_cast<std::int64_t>(
        (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    const std::int64_t since1970 = ticks - kUnixEpochTicks;
    std::int64_t seconds = since1970 / kTicksPerSecond;
    std::int64_t rest = since1970 % kTicksPerSecond;
    if (rest < 0) rest += kTicksPerSecond, --seconds;
    return {seconds, rest * kNanosecondsPerTick};
}

FILETIME Win32TimeOf(const FileTime& time) {
    const auto ticks = static_cast<ULONGLONG>(
        time.seconds * kTicksPerSecond + time.nanoseconds / kNanosecondsPerTick + kUnixEpochTicks);
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

bool FailWithLastError() {
    const DWORD error = GetLastError();
    errno = EIO;
    for (const ErrorPair& pair : kErrnoOf) {
        if (pair.win32 == error) errno = pair.posix;
    }
    return false;
}

Handle OpenPath(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                DWORD flags) {
    Handle handle(
        CreateFileW(WidePath(path).c_str(), access, share, nullptr, disposition, flags, nullptr));
    if (!handle.valid()) FailWithLastError();
    return handle;
}

}  // namespace platform::win
