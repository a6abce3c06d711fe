// The two directory panes: browsing for another directory, and the About button beside them.
#include <QFile>

#include "frmAbout.h"
#include "frmMain.h"
#include "mdlBrowseForFolder.h"

using tunewrap::ListId;

QLineEdit* frmMain::DirectoryBox(ListId pane) const {
    return pane == ListId::MP3 ? txtMP3Dir : txtBMUDir;
}

// Lets the user pick the pane's directory. A cancelled picker changes nothing.
void frmMain::BrowsePane(ListId pane, const char* title) {
    // The picker speaks the file system's bytes; the box shows text.
    const std::string chosen = mdlBrowseForFolder::BrowseForFolder(
        static_cast<platform::WindowHandle>(winId()), title,
        QFile::encodeName(DirectoryBox(pane)->text()).toStdString());
    if (!chosen.empty()) ListFolder(pane, chosen);
}

// The folder goes into the box, the pane's convert button goes off (the list is about to be
// rebuilt, so nothing in it will be selected), and the pane lists the folder.
void frmMain::ListFolder(ListId pane, const std::string& folder) {
    DirectoryBox(pane)->setText(QFile::decodeName(QByteArray::fromStdString(folder)));
    ConvertButton(pane)->setEnabled(false);
    pane == ListId::MP3 ? cmdMP3Refresh_Click() : cmdBMURefresh_Click();
}

void frmMain::cmdPromptForMP3Dir_Click() {
    BrowsePane(ListId::MP3, "Select your MP3 directory");
}

void frmMain::cmdPromptForBMUDir_Click() {
    BrowsePane(ListId::BMU, "Select your BMU directory");
}

void frmMain::cmdInfo_Click() {
    frmAbout about(this);
    about.exec();
}
