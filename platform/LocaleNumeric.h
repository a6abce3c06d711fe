#pragma once
#include <string>

namespace platform {

// The decimal separator of the user's number format (LC_NUMERIC of the environment), read
// without touching the process-wide locale. "." when the locale cannot be loaded.
std::string UserDecimalSeparator();

// Tests stand in for the user's locale: while set, UserDecimalSeparator returns its answer.
using DecimalSeparatorSource = std::string (*)();
void SetDecimalSeparatorSourceForTesting(DecimalSeparatorSource source);

}  // namespace platform
