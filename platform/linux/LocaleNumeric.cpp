#include "LocaleNumeric.h"

#include <langinfo.h>
#include <locale.h>

namespace platform {

namespace {
DecimalSeparatorSource gOverride = nullptr;
}

std::string UserDecimalSeparator() {
    if (gOverride) return gOverride();
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) return ".";
    std::string separator = nl_langinfo_l(RADIXCHAR, user);
    freelocale(user);
    return separator.empty() ? "." : separator;
}

void SetDecimalSeparatorSourceForTesting(DecimalSeparatorSource source) {
    gOverride = source;
}

}  // namespace platform
