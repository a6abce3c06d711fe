#pragma once
#include <cstdint>
#include <string>

#include "WindowHandle.h"

// File, directory-walk and trash services. No function throws or shows anything; failures come
// back as the neutral values documented per function.
namespace mdlFileOps {

// Local time with milliseconds, laid out as the Win32 record so it can be copied opaquely.
// All zero means "no time".
struct SYSTEMTIME {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;
    friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};
static_assert(sizeof(SYSTEMTIME) == 16);

// A walk's state as the caller holds it; 0 means no walk is open.
using SearchHandle = std::intptr_t;

inline constexpr std::int32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr std::int32_t FIND_ABANDON = -1;

// Sends the paths in sFileList (several separated by single NULs) to the desktop trash, or
// deletes them outright with bPermanent. Nothing is shown and nothing is reported.
void ShellDelete(platform::WindowHandle hwndOwner, const std::string& sFileList,
                 const std::string& sProgressTitle, bool bConfirm, bool bPermanent,
                 bool bIncludeFolders);

// True for an existing file or directory, or a mask ("*.mp3") that matches at least one entry.
bool FileExists(const std::string& path);

// One name per call of the walk over sFileMask (directory + wildcard); empty at the end, and
// hSearch is 0 again. lAttributes: 0 accepts everything, FILE_ATTRIBUTE_DIRECTORY only
// directories, FIND_ABANDON closes an open walk.
std::string FindFile(SearchHandle& hSearch, const std::string& sFileMask, std::int32_t lAttributes);

// Last-modified time in local time; the all-zero record when the file cannot be opened.
SYSTEMTIME GetFileDateTime(const std::string& path);

// Replaces only the last-modified time; an invalid record or a file that cannot be opened
// changes nothing.
void SetFileDateTime(const std::string& path, const SYSTEMTIME& time);

// Size in bytes (64-bit); -1 when the path cannot be opened or is a directory.
std::int64_t GetFileLength(const std::string& path);

}  // namespace mdlFileOps
