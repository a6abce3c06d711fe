#include "frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QMessageBox>

#include "FileListFill.h"
#include "ProgressDialogSink.h"
#include "RefreshIcon.h"

using tunewrap::ListId;

namespace {

// Client area of the window's design, in twips.
constexpr int kClientWidthTwips = 12255;
constexpr int kClientHeightTwips = 5535;

// How the window's parts follow a resize: the directory boxes and lists of the two panes share
// the extra width, the lists take the extra height, and the middle column keeps its size between
// the panes, its lower buttons level with the lists' bottom.
constexpr Anchors kLeftPane{WidthShare::None, WidthShare::First};
constexpr Anchors kLeftList{WidthShare::None, WidthShare::First, false, true};
constexpr Anchors kAfterLeftPane{WidthShare::First, WidthShare::First};
constexpr Anchors kMiddleLow{WidthShare::First, WidthShare::First, true, true};
constexpr Anchors kRightPane{WidthShare::First, WidthShare::Both};
constexpr Anchors kRightList{WidthShare::First, WidthShare::Both, false, true};
constexpr Anchors kAfterRightPane{WidthShare::Both, WidthShare::Both};
// Below its design the window keeps boxes and lists of this size (some 20 characters, 4 rows)
// and the design's spacing between the middle column's groups.
constexpr TwipsRect kSmallestStretched{0, 0, 1800, 1500};
constexpr int kSpacingTwips = 120;

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tunewrap"));
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/tunewrap/icons")).entryInfoList()) {
        icon.addFile(size.filePath());
    }
    setWindowIcon(icon);
    progressSink_ = std::make_unique<ProgressDialogSink>(this);
    CreateControls();
    ConnectHandlers();
    AcceptDrops();
    SetFocusOrder();
    ApplyLayout();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::CreateControls() {
    lblMP3 = Named(new QLabel(QStringLiteral("MP3 files (*.mp3) - source"), this), "lblMP3");
    txtMP3Dir = Named(new QLineEdit(this), "txtMP3Dir");
    cmdPromptForMP3Dir = NewButton(this, "cmdPromptForMP3Dir", QStringLiteral("..."));
    cmdMP3Refresh = NewButton(this, "cmdMP3Refresh", QString());
    lvwMP3List = Named(new FileListView(this), "lvwMP3List");
    cmdConvertToBMU = NewButton(this, "cmdConvertToBMU", QStringLiteral("To .BMU ->"));
    chkWAVExtension = Named(new QCheckBox(QStringLiteral("rename .wav"), this), "chkWAVExtension");
    lblWaveReason = Named(
        new QLabel(
            QStringLiteral("This is used to convert 96k/ mono MP3s for sound effects, VO, etc."),
            this),
        "lblWaveReason");
    lblWaveReason->setWordWrap(true);
    lblWaveReason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkOverwriteAll =
        Named(new QCheckBox(QStringLiteral("overwrite all"), this), "chkOverwriteAll");
    chkReencodeUnsuitable = Named(new WrapCheckBox(QStringLiteral("re-encode unsuitable"), this),
                                  "chkReencodeUnsuitable");
    cmdConvertToMP3 = NewButton(this, "cmdConvertToMP3", QStringLiteral("<- To .MP3"));
    chkPreserveFileDateTime =
        Named(new WrapCheckBox(QStringLiteral("preserve file date/time"), this),
              "chkPreserveFileDateTime");
    cmdInfo = NewButton(this, "cmdInfo", QStringLiteral("About..."));
    lblBMU = Named(new QLabel(QStringLiteral("BMU files (*.bmu, *.wav) files - destination"), this),
                   "lblBMU");
    txtBMUDir = Named(new QLineEdit(this), "txtBMUDir");
    cmdPromptForBMUDir = NewButton(this, "cmdPromptForBMUDir", QStringLiteral("..."));
    cmdBMURefresh = NewButton(this, "cmdBMURefresh", QString());
    lvwBMUList = Named(new FileListView(this), "lvwBMUList");

    for (QPushButton* browse : {cmdPromptForMP3Dir, cmdPromptForBMUDir}) {
        browse->setToolTip(QStringLiteral("Browse for directory"));
    }
    for (QPushButton* button : {cmdMP3Refresh, cmdBMURefresh}) {
        button->setToolTip(QStringLiteral("Refresh directory"));
        button->setIconSize(QSize(16, 15));
    }
    PaintRefreshIcons();
    // What a screen reader says for controls whose caption is a picture or lives beside them.
    lblMP3->setBuddy(txtMP3Dir);
    lblBMU->setBuddy(txtBMUDir);
    for (QPushButton* browse : {cmdPromptForMP3Dir, cmdPromptForBMUDir}) {
        browse->setAccessibleName(browse->toolTip());
    }
    for (QPushButton* button : {cmdMP3Refresh, cmdBMURefresh}) {
        button->setAccessibleName(button->toolTip());
    }
    lvwMP3List->setAccessibleName(QStringLiteral("MP3 files"));
    lvwBMUList->setAccessibleName(QStringLiteral("BMU files"));
    cmdConvertToBMU->setEnabled(false);
    cmdConvertToMP3->setEnabled(false);

    mnuPopup = Named(new QMenu(QStringLiteral("Popup"), this), "mnuPopup");
    mnuPopupDelete = Named(mnuPopup->addAction(QStringLiteral("Delete")), "mnuPopupDelete");
    mnuPopupSelectAll =
        Named(mnuPopup->addAction(QStringLiteral("Select All")), "mnuPopupSelectAll");
    mnuPopupProperties =
        Named(mnuPopup->addAction(QStringLiteral("Properties")), "mnuPopupProperties");
}

void frmMain::ConnectHandlers() {
    connect(cmdPromptForMP3Dir, &QPushButton::clicked, this, &frmMain::cmdPromptForMP3Dir_Click);
    connect(cmdPromptForBMUDir, &QPushButton::clicked, this, &frmMain::cmdPromptForBMUDir_Click);
    connect(cmdMP3Refresh, &QPushButton::clicked, this, &frmMain::cmdMP3Refresh_Click);
    connect(cmdBMURefresh, &QPushButton::clicked, this, &frmMain::cmdBMURefresh_Click);
    connect(cmdConvertToBMU, &QPushButton::clicked, this, &frmMain::cmdConvertToBMU_Click);
    connect(cmdConvertToMP3, &QPushButton::clicked, this, &frmMain::cmdConvertToMP3_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmMain::cmdInfo_Click);
    connect(chkPreserveFileDateTime, &QCheckBox::toggled, this,
            &frmMain::chkPreserveFileDateTime_Click);
    connect(mnuPopupDelete, &QAction::triggered, this, &frmMain::mnuPopupDelete_Click);
    connect(mnuPopupSelectAll, &QAction::triggered, this, &frmMain::mnuPopupSelectAll_Click);
    connect(mnuPopupProperties, &QAction::triggered, this, &frmMain::mnuPopupProperties_Click);

    connect(lvwMP3List, &FileListView::ColumnClick, this, &frmMain::lvwMP3List_ColumnClick);
    connect(lvwBMUList, &FileListView::ColumnClick, this, &frmMain::lvwBMUList_ColumnClick);
    connect(lvwMP3List, &FileListView::ItemClick, this, &frmMain::lvwMP3List_ItemClick);
    connect(lvwBMUList, &FileListView::ItemClick, this, &frmMain::lvwBMUList_ItemClick);
    connect(lvwMP3List, &FileListView::KeyUp, this, &frmMain::lvwMP3List_KeyUp);
    connect(lvwBMUList, &FileListView::KeyUp, this, &frmMain::lvwBMUList_KeyUp);
    connect(lvwMP3List, &FileListView::MouseUp, this, &frmMain::lvwMP3List_MouseUp);
    connect(lvwBMUList, &FileListView::MouseUp, this, &frmMain::lvwBMUList_MouseUp);
    for (const ListId id : {ListId::MP3, ListId::BMU}) {
        FileListView* list = &List(id);
        connect(list, &FileListView::DeleteKey, this, [this, id] { DeleteSelectedFiles(id); });
        connect(list, &FileListView::SelectAllKey, this, [this, id] { SelectAllFiles(id); });
        connect(list, &FileListView::MenuKey, this, [this, id](const QPoint& globalPos) {
            ShowPopup(static_cast<std::int16_t>(id), globalPos);
        });
    }
    // Enter lists the typed folder, so the list never shows one folder while the box names another
    // that an action could be aimed at.
    connect(txtMP3Dir, &QLineEdit::returnPressed, this, &frmMain::cmdMP3Refresh_Click);
    connect(txtBMUDir, &QLineEdit::returnPressed, this, &frmMain::cmdBMURefresh_Click);
}

void frmMain::SetFocusOrder() {
    const std::array<QWidget*, 15> order = {
        txtMP3Dir,
        cmdPromptForMP3Dir,
        cmdMP3Refresh,
        lvwMP3List,
        cmdConvertToBMU,
        txtBMUDir,
        cmdPromptForBMUDir,
        cmdBMURefresh,
        lvwBMUList,
        cmdConvertToMP3,
        cmdInfo,
        chkWAVExtension,
        chkPreserveFileDateTime,
        chkOverwriteAll,
        chkReencodeUnsuitable,
    };
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    for (QLabel* label : {lblMP3, lblBMU, lblWaveReason}) label->setFocusPolicy(Qt::NoFocus);
}

void frmMain::ApplyLayout() {
    layout_ = {
        {lblMP3, {120, 120, 5175, 255}, kLeftPane},
        {txtMP3Dir, {120, 480, 4455, 285}, kLeftPane},
        {cmdPromptForMP3Dir, {4680, 480, 255, 315}, kAfterLeftPane},
        {cmdMP3Refresh, {5040, 480, 375, 315}, kAfterLeftPane},
        {lvwMP3List, {120, 840, 5295, 4575}, kLeftList},
        {cmdConvertToBMU, {5520, 840, 1215, 375}, kAfterLeftPane},
        {chkWAVExtension, {5520, 1200, 1215, 375}, kAfterLeftPane},
        {lblWaveReason, {5520, 1560, 1215, 1095}, kAfterLeftPane},
        {chkOverwriteAll, {5520, 2760, 1215, 255}, kAfterLeftPane},
        {chkReencodeUnsuitable, {5520, 3120, 1215, 495}, kAfterLeftPane},
        {cmdConvertToMP3, {5520, 3960, 1215, 375}, kMiddleLow},
        {chkPreserveFileDateTime, {5520, 4440, 1215, 495}, kMiddleLow},
        {cmdInfo, {5520, 5040, 1215, 375}, kMiddleLow},
        {lblBMU, {6840, 120, 5175, 255}, kRightPane},
        {txtBMUDir, {6840, 480, 4455, 285}, kRightPane},
        {cmdPromptForBMUDir, {11400, 480, 255, 315}, kAfterRightPane},
        {cmdBMURefresh, {11760, 480, 375, 315}, kAfterRightPane},
        {lvwBMUList, {6840, 840, 5295, 4575}, kRightList},
    };
    scale_ = FittingScale(layout_, font());
    designedSize_ =
        QSize(scale_.ToPixelsX(kClientWidthTwips), scale_.ToPixelsY(kClientHeightTwips));
    setMinimumSize(designedSize_ +
                   SmallestExtra(layout_, scale_, kSmallestStretched, kSpacingTwips));
    resize(designedSize_);
    PlaceControls();
}

void frmMain::PlaceControls() {
    Place(layout_, scale_, size() - designedSize_);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceControls();
}

void frmMain::PaintRefreshIcons() {
    const QIcon refresh = RefreshIcon(palette().color(QPalette::ButtonText));
    for (QPushButton* button : {cmdMP3Refresh, cmdBMURefresh}) button->setIcon(refresh);
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The arrows are drawn in the buttons' text colour, which a switch of theme changes (once
    // the controls are laid out, that is, exist).
    if (event->type() == QEvent::PaletteChange && !layout_.empty()) PaintRefreshIcons();
}

FileListView& frmMain::List(ListId list) const {
    return list == ListId::MP3 ? *lvwMP3List : *lvwBMUList;
}

void frmMain::FillFileList(FileListView& list, const std::string& dirWithSeparator,
                           const std::string& mask, bool append) {
    ::FillFileList(list, dirWithSeparator, mask, append);
    list.SetListedFolder(dirWithSeparator);
}

int frmMain::CountSelectedItems(const FileListView& list) const {
    int count = 0;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        if (list.topLevelItem(i)->isSelected()) ++count;
    }
    return count;
}

// ---- Panes: browse and About live in frmMain_Panes.cpp, the context-menu commands in
// frmMain_ListCommands.cpp.

void frmMain::cmdMP3Refresh_Click() {
    FillFileList(*lvwMP3List, txtMP3Dir->text().toStdString() + "/", "*.mp3", false);
}

void frmMain::cmdBMURefresh_Click() {
    FillDestinationList(txtBMUDir->text().toStdString() + "/");
}

void frmMain::FillDestinationList(const std::string& dirWithSeparator) {
    FillFileList(*lvwBMUList, dirWithSeparator, "*.bmu", false);
    FillFileList(*lvwBMUList, dirWithSeparator, "*.wav", true);
}

// ---- Lists

void frmMain::SortOnColumnClick(FileListView& list, std::int16_t& sortColumn, int column1Based) {
    int order = 0;
    if (column1Based == sortColumn) {
        order = 1 - list.SortOrder();
    } else {
        sortColumn = static_cast<std::int16_t>(column1Based);
    }
    list.SetSort(sortColumn - 1, order);
}

void frmMain::lvwMP3List_ColumnClick(int column1Based) {
    SortOnColumnClick(*lvwMP3List, intMP3SortColumn, column1Based);
}

void frmMain::lvwBMUList_ColumnClick(int column1Based) {
    SortOnColumnClick(*lvwBMUList, intBMUSortColumn, column1Based);
}

QPushButton* frmMain::ConvertButton(ListId list) const {
    return list == ListId::MP3 ? cmdConvertToBMU : cmdConvertToMP3;
}

void frmMain::EnableOnSelection(const FileListView& list, QPushButton* convertButton) {
    if (CountSelectedItems(list) > 0) convertButton->setEnabled(true);
}

void frmMain::lvwMP3List_ItemClick() {
    EnableOnSelection(*lvwMP3List, ConvertButton(ListId::MP3));
}
void frmMain::lvwBMUList_ItemClick() {
    EnableOnSelection(*lvwBMUList, ConvertButton(ListId::BMU));
}

namespace {
bool IsPlainF5(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_F5 &&
           (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
}
}  // namespace

void frmMain::lvwMP3List_KeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (IsPlainF5(key, modifiers)) cmdMP3Refresh_Click();
}

void frmMain::lvwBMUList_KeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (IsPlainF5(key, modifiers)) cmdBMURefresh_Click();
}

void frmMain::ShowPopup(std::int16_t popupList, const QPoint& globalPos) {
    intPopupList = popupList;
    const int selected = CountSelectedItems(List(static_cast<ListId>(popupList)));
    mnuPopupProperties->setEnabled(selected <= 1);
    mnuPopup->popup(globalPos);
}

void frmMain::lvwMP3List_MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton) ShowPopup(0, globalPos);
}

void frmMain::lvwBMUList_MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton) ShowPopup(1, globalPos);
}

// ---- Convert buttons and closing

void frmMain::cmdConvertToBMU_Click() {
    RunBatch(&tunewrap::ConvertToBMU, *this);
}
void frmMain::cmdConvertToMP3_Click() {
    RunBatch(&tunewrap::ConvertToMP3, *this);
}

void frmMain::RunBatch(std::vector<tunewrap::FileOutcome> (*job)(tunewrap::ConversionHost&,
                                                                 ProgressSink&),
                       tunewrap::ConversionHost& host) {
    if (batchRunning_) return;
    batchRunning_ = true;
    job(host, *progressSink_);
    batchRunning_ = false;
    if (closeAfterBatch_) close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (batchRunning_) {
        // The job runs further up this very call stack; it must finish its end steps before the
        // window goes. Cancel the copy, turn down any open question, close once it returns.
        closeAfterBatch_ = true;
        progressSink_->RequestCancel();
        if (openQuestion_ != nullptr) openQuestion_->done(QMessageBox::No);
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}
