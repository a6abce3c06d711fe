// The window as the batch jobs see it.
#include <QApplication>
#include <QMessageBox>

#include "frmMain.h"

using tunewrap::ListId;
using tunewrap::MsgButton;
using tunewrap::MsgIcon;
using tunewrap::OptionId;

QTreeWidgetItem* frmMain::EntryItem(ListId list, int position) const {
    const FileListView& view = List(list);
    // A refresh during a batch may have shortened the list; a vanished position is no entry.
    if (position < 1 || position > view.topLevelItemCount()) return nullptr;
    return view.topLevelItem(position - 1);
}

int frmMain::EntryCount(ListId list) {
    return List(list).topLevelItemCount();
}

bool frmMain::EntrySelected(ListId list, int position) {
    const QTreeWidgetItem* item = EntryItem(list, position);
    return item != nullptr && item->isSelected();
}

std::string frmMain::EntryName(ListId list, int position) {
    const QTreeWidgetItem* item = EntryItem(list, position);
    return item != nullptr ? FileListView::FileName(*item) : std::string();
}

void frmMain::DeselectEntry(ListId list, int position) {
    if (QTreeWidgetItem* item = EntryItem(list, position)) item->setSelected(false);
}

// The box shows its title and text whatever the question is about; only the command line answers
// some kinds on its own.
MsgButton frmMain::AskYesNo(tunewrap::QuestionKind, const tunewrap::TextLines& text,
                            const std::string& title, MsgIcon icon, MsgButton defaultButton) {
    return ShowBox(text, title, icon, defaultButton, true);
}

// Told in the same box, with only OK to press.
void frmMain::Tell(tunewrap::QuestionKind, const tunewrap::TextLines& text,
                   const std::string& title, MsgIcon icon) {
    ShowBox(text, title, icon, MsgButton::Yes, false);
}

MsgButton frmMain::ShowBox(const tunewrap::TextLines& text, const std::string& title, MsgIcon icon,
                           MsgButton defaultButton, bool question) {
    if (askYesNoHook_) {
        return askYesNoHook_(tunewrap::JoinLines(text, tunewrap::kBoxLineEnd), title, icon,
                             defaultButton);
    }
    QMessageBox box(icon == MsgIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    QString::fromStdString(title),
                    QString::fromStdString(tunewrap::JoinLines(text, "\n")),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, this);
    if (question) {
        box.setDefaultButton(defaultButton == MsgButton::Yes ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    openQuestion_ = &box;
    const int answer = box.exec();
    openQuestion_ = nullptr;
    return answer == QMessageBox::Yes ? MsgButton::Yes : MsgButton::No;
}

void frmMain::BeginBusy() {
    cmdConvertToBMU->setEnabled(false);
    cmdConvertToMP3->setEnabled(false);
    cmdInfo->setEnabled(false);
    chkWAVExtension->setEnabled(false);
    setCursor(Qt::WaitCursor);
}

void frmMain::EndBusy() {
    unsetCursor();
    chkWAVExtension->setEnabled(true);
    cmdInfo->setEnabled(true);
}

void frmMain::RefillList(ListId list, const std::string& dirWithSeparator, const std::string& mask,
                         bool append) {
    FillFileList(List(list), dirWithSeparator, mask, append);
}

// The folder the pane's list was filled from, not the box's text: the names a job takes from the
// list, and the files it writes and lists afresh, must all be in the folder the user sees listed.
std::string frmMain::DirectoryText(ListId pane) {
    const std::string& listed = List(pane).ListedFolder();
    // Every fill is given the folder with one separator added; a root stays a root.
    return listed.size() > 1 ? listed.substr(0, listed.size() - 1) : listed;
}

int frmMain::OptionState(OptionId option) {
    const std::array<const QCheckBox*, 4> boxes = {chkOverwriteAll, chkPreserveFileDateTime,
                                                   chkWAVExtension, chkReencodeUnsuitable};
    return boxes[static_cast<std::size_t>(option)]->isChecked() ? 1 : 0;
}
