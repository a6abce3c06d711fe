#pragma once
#include <string>

class QWidget;

namespace showproperties {

// Shows a file's properties: the desktop file manager's own window when one is running and
// offers it, otherwise the program's Properties dialog (modeless, owned by `owner`).
void ShowFileProperties(QWidget* owner, const std::string& path, bool renameWav);

}  // namespace showproperties
