// The two directory panes: browsing for another directory, and the About button beside them.
#include <QFile>

#include "frmAbout.h"
#include "frmMain.h"
#include "mdlBrowseForFolder.h"

namespace {

// Lets the user pick the pane's directory. A cancelled picker changes nothing; a choice goes
// into the box, the pane's convert button goes off (the list is about to be rebuilt, so
// nothing in it will be selected), and the pane lists the new directory.
void BrowsePane(frmMain& window, const char* title, QLineEdit* box, QPushButton* convertButton,
                void (frmMain::*refreshPane)()) {
    // The picker speaks the file system's bytes; the box shows text.
    const std::string chosen =
        mdlBrowseForFolder::BrowseForFolder(static_cast<platform::WindowHandle>(window.winId()),
                                            title, QFile::encodeName(box->text()).toStdString());
    if (chosen.empty()) return;
    box->setText(QFile::decodeName(QByteArray::fromStdString(chosen)));
    convertButton->setEnabled(false);
    (window.*refreshPane)();
}

}  // namespace

void frmMain::cmdPromptForMP3Dir_Click() {
    BrowsePane(*this, "Select your MP3 directory", txtMP3Dir, cmdConvertToBMU,
               &frmMain::cmdMP3Refresh_Click);
}

void frmMain::cmdPromptForBMUDir_Click() {
    BrowsePane(*this, "Select your BMU directory", txtBMUDir, cmdConvertToMP3,
               &frmMain::cmdBMURefresh_Click);
}

void frmMain::cmdInfo_Click() {
    frmAbout about(this);
    about.exec();
}
