#pragma once
#include <string>

#include "UiText.h"

namespace tunewrap {

// Why a copy or re-encode fails whose source was resized, written to or replaced while it was
// read. Every way of reading a source says it in the same words; they pass it on as it is, so
// that the code above can tell it apart, and ShownReason puts it in the user's words.
inline constexpr const char* kSourceChangedReason =
    TW_TRANSLATE_NOOP("FailureReasons", "The source file changed while it was being converted");

inline std::string ShownReason(std::string reason) {
    return reason == kSourceChangedReason ? platform::Tr("FailureReasons", kSourceChangedReason)
                                          : reason;
}

}  // namespace tunewrap
