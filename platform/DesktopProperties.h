#pragma once
#include <string>

namespace platform {

// The system's own request for a file's properties sheet, which ShowPropertiesInFileManager
// makes unless a test stands in for the desktop.
bool AskDesktopForProperties(const std::string& path);

}  // namespace platform
