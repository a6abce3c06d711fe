#pragma once
#include <cstdint>
#include <string>

// Named text values under a key path, as the Windows registry keeps them. Each call opens and
// closes its own store. Results are Win32 status codes.
namespace mdlRegistry {

using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

inline constexpr std::int32_t ERROR_SUCCESS = 0;
inline constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr std::int32_t ERROR_ACCESS_DENIED = 5;
inline constexpr std::int32_t ERROR_MORE_DATA = 234;

inline constexpr const char* kProgramKey = "Software\\Brenlo\\Tunewrap";
inline constexpr const char* kGameKey = "Software\\BioWare\\NWN\\Neverwinter";

// On success `value` holds the trimmed text ("ERROR: Non String Value" for a value that is not
// plain text). A missing key leaves `value` untouched; a missing value empties it.
std::int32_t ReadRegString(HKEY hive, const std::string& subKey, const std::string& valueName,
                           std::string& value);

// Creates the key when missing and stores the text.
std::int32_t WriteRegString(HKEY hive, const std::string& subKey, const std::string& valueName,
                            const std::string& value);

}  // namespace mdlRegistry
