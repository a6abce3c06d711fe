#include "ShowProperties.h"

#include "FileManagerProperties.h"
#include "frmProperties.h"

namespace showproperties {

void ShowFileProperties(QWidget* owner, const std::string& path, bool renameWav) {
    if (platform::ShowPropertiesInFileManager(path)) return;
    auto* dialog = new frmProperties(owner, path, renameWav);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

}  // namespace showproperties
