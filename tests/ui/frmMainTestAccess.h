#pragma once
#include "frmMain.h"

// The main window with the controls, state and handlers that tests, benchmarks and the
// screenshot tool drive opened up to them; the program itself only ever makes a frmMain.
class frmMainTestAccess : public frmMain {
  public:
    using frmMain::frmMain;

    using frmMain::chkOverwriteAll;
    using frmMain::chkPreserveFileDateTime;
    using frmMain::chkWAVExtension;
    using frmMain::cmdConvertToBMU;
    using frmMain::cmdConvertToMP3;
    using frmMain::cmdInfo;
    using frmMain::lvwBMUList;
    using frmMain::lvwMP3List;
    using frmMain::mnuPopup;
    using frmMain::mnuPopupDelete;
    using frmMain::mnuPopupProperties;
    using frmMain::mnuPopupSelectAll;
    using frmMain::txtBMUDir;
    using frmMain::txtMP3Dir;

    using frmMain::intPopupList;

    using frmMain::CountSelectedItems;
    using frmMain::Layout;
    using frmMain::List;

    using frmMain::cmdBMURefresh_Click;
    using frmMain::cmdConvertToBMU_Click;
    using frmMain::cmdConvertToMP3_Click;
    using frmMain::cmdMP3Refresh_Click;
    using frmMain::cmdPromptForBMUDir_Click;
    using frmMain::cmdPromptForMP3Dir_Click;
    using frmMain::lvwMP3List_MouseUp;
    using frmMain::mnuPopupDelete_Click;
    using frmMain::mnuPopupProperties_Click;
};
