#pragma once
#include <QEventLoop>

#include "FactsReader.h"
#include "ProgressDialogSink.h"
#include "frmMain.h"

// The main window with the controls and handlers that tests, benchmarks and the screenshot tool
// drive opened up to them; the program itself only ever makes a frmMain.
class frmMainTestAccess : public frmMain {
  public:
    using frmMain::frmMain;

    using frmMain::chkOverwriteAll, frmMain::chkPreserveFileDateTime,
        frmMain::chkReencodeUnsuitable, frmMain::chkWAVExtension, frmMain::cmdConvertToBMU,
        frmMain::cmdConvertToMP3, frmMain::cmdInfo, frmMain::lvwBMUList, frmMain::lvwMP3List,
        frmMain::mnuColumns, frmMain::mnuPopup, frmMain::mnuPopupDelete,
        frmMain::mnuPopupPackIntoHak, frmMain::mnuPopupProperties, frmMain::mnuPopupSelectAll,
        frmMain::txtBMUDir, frmMain::txtMP3Dir, frmMain::lblBatchSummary,
        frmMain::cmdBatchDetails;
    using frmMain::cmdBMURefresh_Click, frmMain::cmdConvertToBMU_Click,
        frmMain::cmdConvertToMP3_Click, frmMain::cmdMP3Refresh_Click,
        frmMain::cmdPromptForMP3Dir_Click, frmMain::lvwMP3List_MouseUp,
        frmMain::mnuPopupProperties_Click;
    using frmMain::Layout;
    using frmMain::OptionBox;
    ProgressDialogSink& Progress() { return *progressSink_; }
    // Returns once the list's facts are read: tests wait for the reading, not for a time.
    void WaitForFacts(tunewrap::ListId list) {
        FactsReader* reader = factsReaders_[static_cast<std::size_t>(list)];
        QEventLoop loop;
        QObject::connect(reader, &FactsReader::FactsFilled, &loop, &QEventLoop::quit);
        if (!reader->Filled()) loop.exec();
    }
    tunewrap::ListId MenuList() const { return presenter_->MenuList(); }
};
