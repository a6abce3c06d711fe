#include "LocaleNumeric.h"

#include <windows.h>

#include "WinIo.h"

namespace platform {

namespace {
DecimalSeparatorSource gOverride = nullptr;
// LOCALE_SDECIMAL holds at most three characters and the terminator.
constexpr int kSeparatorRoom = 4;
}  // namespace

std::string UserDecimalSeparator() {
    if (gOverride) return gOverride();
    wchar_t separator[kSeparatorRoom] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, kSeparatorRoom) <= 1)
        return ".";
    return win::Narrow(separator);
}

void SetDecimalSeparatorSourceForTesting(DecimalSeparatorSource source) {
    gOverride = source;
}

}  // namespace platform
