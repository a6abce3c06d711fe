#pragma once
#include <ostream>

#include "ConvertFile.h"

namespace tunewrap {

// So that a failed expectation reads "Failed", not a number.
inline void PrintTo(ConvertResult::Status status, std::ostream* out) {
    constexpr const char* kNames[] = {"Converted", "Cancelled", "Failed"};
    *out << kNames[static_cast<int>(status)];
}

}  // namespace tunewrap
