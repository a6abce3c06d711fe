#pragma once
#include <cstdint>
#include <string>

// Named text values under a key path, as the Windows registry keeps them. Each call opens and
// closes its own store. Results are Win32 status codes. (The names below are macros in
// <windows.h>: a file that needs both includes this header first.)
namespace mdlRegistry {

using HKEY = std::uint32_t;
// The program's own settings belong to the user: since Vista a program without administrator
// rights cannot write under HKEY_LOCAL_MACHINE. The game's installer writes there.
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

inline constexpr std::int32_t ERROR_SUCCESS = 0;
inline constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr std::int32_t ERROR_ACCESS_DENIED = 5;
inline constexpr std::int32_t ERROR_MORE_DATA = 234;

inline constexpr const char* kProgramKey = "Software\\Brenlo\\Tunewrap";
inline constexpr const char* kGameKey = "Software\\BioWare\\NWN\\Neverwinter";

// On success `value` holds the trimmed text ("ERROR: Non String Value" for a value that is not
// plain text). A missing key leaves `value` untouched; a missing value empties it. On Windows a
// key is looked for in the 64-bit view, then in the 32-bit one, where 32-bit programs such as the
// game write under HKEY_LOCAL_MACHINE.
std::int32_t ReadRegString(HKEY hive, const std::string& subKey, const std::string& valueName,
                           std::string& value);

// Creates the key when missing and stores the text.
std::int32_t WriteRegString(HKEY hive, const std::string& subKey, const std::string& valueName,
                            const std::string& value);

}  // namespace mdlRegistry
