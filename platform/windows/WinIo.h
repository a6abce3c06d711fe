#pragma once
#include <windows.h>

#include <string>

#include "FileIo.h"

// What every Win32 call of the platform layer shares: names are UTF-8 inside the program and
// UTF-16 at the system, handles close themselves, and failures reach the callers as errno values,
// as they do on other systems.
namespace platform::win {

// UTF-16 of a UTF-8 text, and back. Bytes that are no UTF-8 become U+FFFD.
std::wstring Wide(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

// A path as the shell takes it: separators turned to backslashes, and no \\?\ form, which the
// shell does not know.
std::wstring ShellPath(const std::string& utf8);

// A path as the file functions take it: separators turned to backslashes and, for a path on a
// drive or a share, made absolute with the \\?\ prefix, so that a path longer than MAX_PATH
// and a name ending in a dot or a space reach the file system as written.
std::wstring WidePath(const std::string& utf8);

// Sets errno from GetLastError(); always false, so a failing call can return it.
bool FailWithLastError();

// A kernel handle, closed when it goes out of scope.
class Handle {
  public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : handle_(other.Release()) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.Release();
        }
        return *this;
    }

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    HANDLE Release() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }
    // False, with errno set, when closing reported an error.
    bool Close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(Release()) != 0;
        return closed || FailWithLastError();
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Opens `path` with CreateFileW; `access` 0 asks for the file's attributes only.
Handle OpenPath(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);

// A file time as the program keeps it, and as Windows does.
FileTime TimeOf(const FILETIME& time);
FILETIME Win32TimeOf(const FileTime& time);

}  // namespace platform::win
