// What the presenter has the window show and ask.
#include <QFile>
#include <QMessageBox>

#include "FactsReader.h"
#include "FileListFill.h"
#include "ProgressDialogSink.h"
#include "ShowProperties.h"
#include "frmAbout.h"
#include "frmBatchDetails.h"
#include "frmHak.h"
#include "frmMain.h"
#include "mdlBrowseForFolder.h"
#include "mdlFileOps.h"

using tunewrap::BoxAnswer;
using tunewrap::BoxButtons;
using tunewrap::Control;
using tunewrap::ListColumn;
using tunewrap::ListId;
using tunewrap::MsgButton;
using tunewrap::MsgIcon;

namespace {

// Box texts are the file system's bytes, also for a name that is no valid text in the user's
// encoding.
std::string Bytes(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

// A box's buttons, in BoxButtons order, and what each button answers.
const QMessageBox::StandardButtons kBoxButtons[] = {
    QMessageBox::Ok, QMessageBox::Yes | QMessageBox::No,
    QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll | QMessageBox::NoToAll};
const std::pair<int, BoxAnswer> kAnswers[] = {{QMessageBox::Yes, BoxAnswer::Yes},
                                              {QMessageBox::No, BoxAnswer::No},
                                              {QMessageBox::YesToAll, BoxAnswer::YesToAll},
                                              {QMessageBox::NoToAll, BoxAnswer::NoToAll}};

}  // namespace

QTreeWidgetItem* frmMain::Row(ListId list, int position) const {
    return List(list).topLevelItem(position - 1);
}

int frmMain::RowCount(ListId list) {
    return List(list).topLevelItemCount();
}

std::string frmMain::RowName(ListId list, int position) {
    return FileListView::FileName(*Row(list, position));
}

bool frmMain::RowSelected(ListId list, int position) {
    return Row(list, position)->isSelected();
}

void frmMain::SelectRow(ListId list, int position, bool selected) {
    Row(list, position)->setSelected(selected);
}

void frmMain::ScrollToRow(ListId list, int position) {
    List(list).scrollToItem(Row(list, position));
}

void frmMain::FillList(ListId list, const std::string& dirWithSeparator, const std::string& mask,
                       bool append) {
    factsReaders_[static_cast<std::size_t>(list)]->Stop();  // before its rows go
    ::FillFileList(List(list), dirWithSeparator, mask, append);
    folderWatches_[static_cast<std::size_t>(list)]->Watch(
        QFile::decodeName(QByteArray::fromStdString(dirWithSeparator)));
}

void frmMain::ShowColumn(ListId list, ListColumn column, bool shown) {
    List(list).setColumnHidden(static_cast<int>(column), !shown);
}

void frmMain::ReadFacts(ListId list, const std::string& dirWithSeparator, bool wavOption) {
    factsReaders_[static_cast<std::size_t>(list)]->Start(dirWithSeparator, wavOption);
}

void frmMain::JudgeFacts(ListId list, bool wavOption) {
    factsReaders_[static_cast<std::size_t>(list)]->Judge(wavOption);
}

void frmMain::AwaitQuiet(ListId list) {
    folderWatches_[static_cast<std::size_t>(list)]->AwaitQuiet();
}

void frmMain::SortList(ListId list, ListColumn column, bool descending) {
    List(list).SetSort(static_cast<int>(column), descending ? 1 : 0);
}

std::string frmMain::DirectoryBoxText(ListId pane) {
    return Bytes((pane == ListId::MP3 ? txtMP3Dir : txtBMUDir)->text());
}

void frmMain::SetDirectoryBoxText(ListId pane, const std::string& text) {
    (pane == ListId::MP3 ? txtMP3Dir : txtBMUDir)
        ->setText(QFile::decodeName(QByteArray::fromStdString(text)));
}

void frmMain::CheckOption(tunewrap::OptionId option, bool checked) {
    OptionBox(option)->setChecked(checked);
}

void frmMain::Enable(Control control, bool enabled) {
    const std::array<QObject*, 7> controls = {
        cmdConvertToBMU,       cmdConvertToMP3,    cmdInfo, chkWAVExtension, mnuPopupProperties,
        chkReencodeUnsuitable, mnuPopupPackIntoHak};
    QObject* target = controls[static_cast<std::size_t>(control)];
    if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setEnabled(enabled);
    } else {
        static_cast<QAction*>(target)->setEnabled(enabled);
    }
}

void frmMain::ShowBusy(bool busy) {
    busy ? setCursor(Qt::WaitCursor) : unsetCursor();
}

BoxAnswer frmMain::ShowBox(const tunewrap::TextLines& text, const std::string& title, MsgIcon icon,
                           MsgButton defaultButton, BoxButtons buttons) {
    if (askYesNoHook_) {
        const MsgButton answer = askYesNoHook_(tunewrap::JoinLines(text, tunewrap::kBoxLineEnd),
                                               title, icon, defaultButton);
        return answer == MsgButton::Yes ? BoxAnswer::Yes : BoxAnswer::No;
    }
    QMessageBox box(icon == MsgIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    QString::fromStdString(title),
                    QString::fromStdString(tunewrap::JoinLines(text, "\n")),
                    kBoxButtons[static_cast<std::size_t>(buttons)], this);
    if (buttons != BoxButtons::Ok) {
        box.setDefaultButton(defaultButton == MsgButton::Yes ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    openQuestion_ = &box;
    const int answer = box.exec();
    openQuestion_ = nullptr;
    for (const auto& [button, meaning] : kAnswers) {
        if (answer == button) return meaning;
    }
    return BoxAnswer::No;  // OK, and a box closed otherwise
}

void frmMain::ShowSummary(const tunewrap::BatchSummary& summary) {
    summary_ = summary;
    const QString line = QString::fromStdString(summary.line);
    lblBatchSummary->setText(line);
    cmdBatchDetails->setEnabled(!line.isEmpty());
    // The row, once there, stays while the next batch runs, so the lists do not jump twice. It
    // is taken from the lists; a window at its smallest grows by it instead.
    if (lblBatchSummary->isHidden() && !line.isEmpty()) {
        lblBatchSummary->show();
        cmdBatchDetails->show();
        setMinimumSize(smallestSize_ + QSize(0, SummaryRowHeight()));
        PlaceControls();
    }
    if (!details_) return;
    if (line.isEmpty()) {
        details_->close();
    } else {
        details_->Fill(summary_);
    }
}

void frmMain::cmdBatchDetails_Click() {
    if (!details_) {
        details_ = new frmBatchDetails(this);
        details_->setAttribute(Qt::WA_DeleteOnClose);
    }
    details_->Fill(summary_);
    details_->show();
    details_->raise();
    details_->activateWindow();
}

std::string frmMain::PickFolder(const std::string& title, const std::string& start) {
    return mdlBrowseForFolder::BrowseForFolder(static_cast<platform::WindowHandle>(winId()), title,
                                               start);
}

bool frmMain::EditHakPlan(tunewrap::HakPlan& plan) {
    if (hakDialogHook_) return hakDialogHook_(plan);
    frmHak dialog(plan, this);
    return dialog.exec() == QDialog::Accepted;
}

void frmMain::ShowProperties(const std::string& path, bool wavExtension) {
    showproperties::ShowFileProperties(this, path, wavExtension);
}

void frmMain::MoveToTrash(const std::string& path) {
    mdlFileOps::ShellDelete(static_cast<platform::WindowHandle>(winId()), path, "", false, false,
                            false);
}

void frmMain::StopBatch() {
    progressSink_->RequestCancel();
    if (openQuestion_ != nullptr) openQuestion_->done(QMessageBox::No);
}

void frmMain::cmdInfo_Click() {
    frmAbout about(this);
    about.exec();
}
