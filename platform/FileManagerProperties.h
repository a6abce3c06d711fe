#pragma once
#include <functional>
#include <string>

namespace platform {

// Asks the desktop's file manager to show its own properties sheet for a file. True when one
// took the request; false leaves it to the program's own dialog.
bool ShowPropertiesInFileManager(const std::string& path);

// Tests stand in for the desktop: while set, it is asked instead.
using FileManagerRequest = std::function<bool(const std::string& path)>;
void SetFileManagerForTesting(FileManagerRequest request);

}  // namespace platform
