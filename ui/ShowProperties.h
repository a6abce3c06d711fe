#pragma once
#include <functional>
#include <string>

class QWidget;

namespace showproperties {

// Shows a file's properties: the desktop file manager's own window when one is running and
// offers it, otherwise the program's Properties dialog (modeless, owned by `owner`).
void ShowFileProperties(QWidget* owner, const std::string& path, bool renameWav);

// Asks the session's file manager (freedesktop FileManager1) to show the file's properties.
// True when a file manager took the request.
bool AskFileManager(const std::string& path);

// Tests stand in for the desktop: while set, it is asked instead of the session bus.
using FileManagerRequest = std::function<bool(const std::string& path)>;
void SetFileManagerForTesting(FileManagerRequest request);

}  // namespace showproperties
