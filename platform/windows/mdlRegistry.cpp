// This header names constants that <windows.h> makes macros of: it comes first.
#include "mdlRegistry.h"

#include <windows.h>

#include "RegistryValue.h"
#include "WinIo.h"

namespace mdlRegistry {

namespace {

// A text a read takes in: one unit more than the longest text, so a longer one shows as too long.
constexpr DWORD kReadUnits = 1024 + 1;

// The 64-bit view first: a key written there by a 64-bit program wins over a 32-bit one's, which
// the system keeps under WOW6432Node.
constexpr REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

// The predefined keys are the hive numbers sign-extended to a handle.
::HKEY Win32Hive(HKEY hive) {
    return reinterpret_cast<::HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(hive)));
}

class OpenKey {
  public:
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    ::HKEY* out() { return &key_; }
    ::HKEY get() const { return key_; }

  private:
    ::HKEY key_ = nullptr;
};

}  // namespace

std::int32_t ReadRegString(HKEY hive, const std::string& subKey, const std::string& valueName,
                           std::string& value) {
    const std::wstring path = platform::win::Wide(subKey);
    const std::wstring name = platform::win::Wide(valueName);
    bool keyFound = false;
    for (const REGSAM view : kViews) {
        OpenKey key;
        const LSTATUS opened =
            RegOpenKeyExW(Win32Hive(hive), path.c_str(), 0, KEY_QUERY_VALUE | view, key.out());
        if (opened == ERROR_FILE_NOT_FOUND) continue;
        if (opened != ERROR_SUCCESS) return opened;
        keyFound = true;
        // REG_EXPAND_SZ comes back expanded, as a path with %ProgramFiles% in it is meant.
        std::wstring text(kReadUnits, L'\0');
        DWORD bytes = kReadUnits * sizeof(wchar_t);
        const LSTATUS read = RegGetValueW(key.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr,
                                          text.data(), &bytes);
        if (read == ERROR_FILE_NOT_FOUND) continue;
        if (read == ERROR_UNSUPPORTED_TYPE) return FoundValue({}, false, value);
        if (read != ERROR_SUCCESS) {
            value.clear();
            return read;
        }
        text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
        return FoundValue(platform::win::Narrow(text), true, value);
    }
    if (keyFound) value.clear();
    return ERROR_FILE_NOT_FOUND;
}

std::int32_t WriteRegString(HKEY hive, const std::string& subKey, const std::string& valueName,
                            const std::string& value) {
    OpenKey key;
    const LSTATUS created =
        RegCreateKeyExW(Win32Hive(hive), platform::win::Wide(subKey).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.out(), nullptr);
    if (created != ERROR_SUCCESS) return created;
    const std::wstring text = platform::win::Wide(value);
    return RegSetValueExW(key.get(), platform::win::Wide(valueName).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace mdlRegistry
