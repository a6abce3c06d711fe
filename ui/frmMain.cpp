#include "frmMain.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>

#include "FactsReader.h"
#include "FileListFill.h"
#include "Options.h"
#include "ProgressDialogSink.h"
#include "RefreshIcon.h"
#include "Version.h"
#include "WrapCheckBox.h"

using tunewrap::ListId;
using tunewrap::OptionId;

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
// A batch's summary takes a row below the lists out of their height: a button's height, with
// the design's spacing above it.
constexpr int kSummaryHeightTwips = 375;
constexpr int kSummaryRowTwips = kSummaryHeightTwips + kSpacingTwips;
constexpr int kDetailsWidthTwips = 1215;

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

QCheckBox* NewOptionBox(QWidget* parent, const tunewrap::OptionInfo& option) {
    const QString caption = QCoreApplication::translate("Options", option.caption);
    return Named(
        option.slot.wraps ? new WrapCheckBox(caption, parent) : new QCheckBox(caption, parent),
        option.controlName);
}

// Qt takes a plain widget for a client area even when it is a window of its own; a screen reader
// announces the main window as a frame only with the window role.
QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object) {
    return className == QLatin1String("frmMain")
               ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window)
               : nullptr;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
    static const bool announced = (QAccessible::installFactory(&MainWindowAccessible), true);
    (void)announced;
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
    presenter_ = std::make_unique<tunewrap::MainPresenter>(*this, settings_, *progressSink_,
                                                           QDir::homePath().toStdString());
    presenter_->Load();
    setWindowTitle(QString::fromStdString(tunewrap::VersionTitle()));
}

frmMain::~frmMain() = default;

void frmMain::CreateControls() {
    lblMP3 = Named(new QLabel(tr("MP3 files (*.mp3) - source"), this), "lblMP3");
    txtMP3Dir = Named(new QLineEdit(this), "txtMP3Dir");
    cmdPromptForMP3Dir = NewButton(this, "cmdPromptForMP3Dir", QStringLiteral("..."));
    cmdMP3Refresh = NewButton(this, "cmdMP3Refresh", QString());
    lvwMP3List = Named(new FileListView(this), "lvwMP3List");
    cmdConvertToBMU = NewButton(this, "cmdConvertToBMU", tr("To .&BMU ->"));
    for (const tunewrap::OptionInfo& option : tunewrap::kOptions)
        optionBoxes_[static_cast<std::size_t>(option.id)] = NewOptionBox(this, option);
    chkWAVExtension = OptionBox(OptionId::WAVExtension);
    chkOverwriteAll = OptionBox(OptionId::OverwriteAll);
    chkReencodeUnsuitable = OptionBox(OptionId::ReencodeUnsuitable);
    chkPreserveFileDateTime = OptionBox(OptionId::PreserveFileDateTime);
    lblWaveReason = Named(
        new QLabel(tr("This is used to convert 96k/ mono MP3s for sound effects, VO, etc."), this),
        "lblWaveReason");
    lblWaveReason->setWordWrap(true);
    lblWaveReason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdConvertToMP3 = NewButton(this, "cmdConvertToMP3", tr("<- To .&MP3"));
    cmdInfo = NewButton(this, "cmdInfo", tr("About..."));
    lblBMU = Named(new QLabel(tr("BMU files (*.bmu, *.wav) files - destination"), this), "lblBMU");
    txtBMUDir = Named(new QLineEdit(this), "txtBMUDir");
    cmdPromptForBMUDir = NewButton(this, "cmdPromptForBMUDir", QStringLiteral("..."));
    cmdBMURefresh = NewButton(this, "cmdBMURefresh", QString());
    lvwBMUList = Named(new FileListView(this), "lvwBMUList");
    lblBatchSummary = Named(new QLabel(this), "lblBatchSummary");
    cmdBatchDetails = NewButton(this, "cmdBatchDetails", tr("Details..."));
    cmdBatchDetails->setAccessibleName(tr("Details of the last batch"));
    lblBatchSummary->hide();
    cmdBatchDetails->hide();
    folderWatches_ = {Named(new FolderWatch(this), "watchMP3Dir"),
                      Named(new FolderWatch(this), "watchBMUDir")};
    factsReaders_ = {Named(new FactsReader(*lvwMP3List, ListId::MP3), "factsMP3List"),
                     Named(new FactsReader(*lvwBMUList, ListId::BMU), "factsBMUList")};

    for (QPushButton* browse : {cmdPromptForMP3Dir, cmdPromptForBMUDir}) {
        browse->setToolTip(tr("Browse for directory"));
    }
    for (QPushButton* button : {cmdMP3Refresh, cmdBMURefresh}) {
        button->setToolTip(tr("Refresh directory"));
        button->setIconSize(QSize(16, 15));
    }
    PaintRefreshIcons();
    // What a screen reader says for controls whose caption is a picture or lives beside them.
    lblMP3->setBuddy(txtMP3Dir);
    lblBMU->setBuddy(txtBMUDir);
    // The pane each button belongs to is seen, not heard: the names say it.
    cmdPromptForMP3Dir->setAccessibleName(tr("Browse for source directory"));
    cmdPromptForBMUDir->setAccessibleName(tr("Browse for destination directory"));
    cmdMP3Refresh->setAccessibleName(tr("Refresh source directory"));
    cmdBMURefresh->setAccessibleName(tr("Refresh destination directory"));
    lvwMP3List->setAccessibleName(tr("MP3 files"));
    lvwBMUList->setAccessibleName(tr("BMU files"));
    cmdConvertToBMU->setEnabled(false);
    cmdConvertToMP3->setEnabled(false);

    mnuPopup = Named(new QMenu(tr("Popup"), this), "mnuPopup");
    mnuPopupDelete = Named(mnuPopup->addAction(tr("Delete")), "mnuPopupDelete");
    mnuPopupSelectAll = Named(mnuPopup->addAction(tr("Select All")), "mnuPopupSelectAll");
    mnuPopupProperties = Named(mnuPopup->addAction(tr("Properties")), "mnuPopupProperties");
    mnuColumns = Named(new QMenu(tr("Columns"), this), "mnuColumns");
    mnuPopup->addSeparator();
    mnuPopupPackIntoHak = Named(mnuPopup->addAction(tr("Pack into hak...")), "mnuPopupPackIntoHak");
}

void frmMain::ConnectHandlers() {
    connect(cmdPromptForMP3Dir, &QPushButton::clicked, this, &frmMain::cmdPromptForMP3Dir_Click);
    connect(cmdPromptForBMUDir, &QPushButton::clicked, this, &frmMain::cmdPromptForBMUDir_Click);
    connect(cmdMP3Refresh, &QPushButton::clicked, this, &frmMain::cmdMP3Refresh_Click);
    connect(cmdBMURefresh, &QPushButton::clicked, this, &frmMain::cmdBMURefresh_Click);
    connect(cmdConvertToBMU, &QPushButton::clicked, this, &frmMain::cmdConvertToBMU_Click);
    connect(cmdConvertToMP3, &QPushButton::clicked, this, &frmMain::cmdConvertToMP3_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmMain::cmdInfo_Click);
    connect(cmdBatchDetails, &QPushButton::clicked, this, &frmMain::cmdBatchDetails_Click);
    connect(mnuPopupDelete, &QAction::triggered, this, &frmMain::mnuPopupDelete_Click);
    connect(mnuPopupSelectAll, &QAction::triggered, this, &frmMain::mnuPopupSelectAll_Click);
    connect(mnuPopupProperties, &QAction::triggered, this, &frmMain::mnuPopupProperties_Click);
    connect(mnuPopupPackIntoHak, &QAction::triggered, this, [this] { presenter_->PackIntoHak(); });
    connect(lvwMP3List, &FileListView::MouseUp, this, &frmMain::lvwMP3List_MouseUp);
    connect(lvwBMUList, &FileListView::MouseUp, this, &frmMain::lvwBMUList_MouseUp);
    for (const tunewrap::OptionInfo& option : tunewrap::kOptions) {
        connect(OptionBox(option.id), &QCheckBox::toggled, this,
                [this, id = option.id](bool checked) { presenter_->SetOption(id, checked); });
    }
    for (const ListId id : {ListId::MP3, ListId::BMU}) {
        FileListView* list = &List(id);
        connect(list, &FileListView::ColumnClick, this,
                [this, id](int column1Based) { presenter_->ColumnClicked(id, column1Based); });
        connect(list, &FileListView::ItemClick, this, [this, id] { presenter_->RowsClicked(id); });
        FolderWatch* watch = folderWatches_[static_cast<std::size_t>(id)];
        connect(watch, &FolderWatch::Changed, this, [this, id] { presenter_->FolderChanged(id); });
        connect(watch, &FolderWatch::Quiet, this, [this, id] { presenter_->FolderQuiet(id); });
        connect(list->header(), &QHeaderView::sectionResized, this, [this, id](int column) {
            if (!sizingColumns_ && presenter_)
                presenter_->ColumnDragged(id, static_cast<tunewrap::ListColumn>(column));
        });
        connect(
            list, &FileListView::KeyUp, this, [this, id](int key, Qt::KeyboardModifiers modifiers) {
                constexpr auto kAnyOf = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
                if (key == Qt::Key_F5 && (modifiers & kAnyOf) == 0) presenter_->Refresh(id);
            });
        connect(list, &FileListView::DeleteKey, this,
                [this, id] { presenter_->DeleteSelected(id); });
        connect(list, &FileListView::SelectAllKey, this, [this, id] { presenter_->SelectAll(id); });
        connect(list, &FileListView::MenuKey, this,
                [this, id](const QPoint& globalPos) { OpenMenu(id, globalPos); });
        connect(factsReaders_[static_cast<std::size_t>(id)], &FactsReader::FactsFilled, this,
                [this, id] { presenter_->FactsFilled(id); });
        connect(list, &FileListView::HeaderMenu, this,
                [this, id](const QPoint& globalPos) { OpenColumnsMenu(id, globalPos); });
    }
    // Enter lists the typed folder, so the list never shows one folder while the box names another
    // that an action could be aimed at.
    connect(txtMP3Dir, &QLineEdit::returnPressed, this, &frmMain::cmdMP3Refresh_Click);
    connect(txtBMUDir, &QLineEdit::returnPressed, this, &frmMain::cmdBMURefresh_Click);
}

// The options come last, in the order of their tabPosition.
void frmMain::SetFocusOrder() {
    std::vector<QWidget*> order = {
        txtMP3Dir, cmdPromptForMP3Dir, cmdMP3Refresh, lvwMP3List, cmdConvertToBMU,
        txtBMUDir, cmdPromptForBMUDir, cmdBMURefresh, lvwBMUList, cmdConvertToMP3,
        cmdInfo,
    };
    const std::size_t options = order.size();
    order.resize(options + tunewrap::kOptionCount);
    for (const tunewrap::OptionInfo& option : tunewrap::kOptions)
        order[options + option.tabPosition] = OptionBox(option.id);
    order.push_back(cmdBatchDetails);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    for (QLabel* label : {lblMP3, lblBMU, lblWaveReason, lblBatchSummary})
        label->setFocusPolicy(Qt::NoFocus);
}

void frmMain::ApplyLayout() {
    layout_ = {
        {lblMP3, {120, 120, 5175, 255}, kLeftPane},
        {txtMP3Dir, {120, 480, 4455, 285}, kLeftPane},
        {cmdPromptForMP3Dir, {4680, 480, 255, 315}, kAfterLeftPane},
        {cmdMP3Refresh, {5040, 480, 375, 315}, kAfterLeftPane},
        {lvwMP3List, {120, 840, 5295, 4575}, kLeftList},
        {cmdConvertToBMU, {5520, 840, 1215, 375}, kAfterLeftPane},
        {lblWaveReason, {5520, 1560, 1215, 1095}, kAfterLeftPane},
        {cmdConvertToMP3, {5520, 3960, 1215, 375}, kMiddleLow},
        {cmdInfo, {5520, 5040, 1215, 375}, kMiddleLow},
        {lblBMU, {6840, 120, 5175, 255}, kRightPane},
        {txtBMUDir, {6840, 480, 4455, 285}, kRightPane},
        {cmdPromptForBMUDir, {11400, 480, 255, 315}, kAfterRightPane},
        {cmdBMURefresh, {11760, 480, 375, 315}, kAfterRightPane},
        {lvwBMUList, {6840, 840, 5295, 4575}, kRightList},
    };
    for (const tunewrap::OptionInfo& option : tunewrap::kOptions) {
        const auto& [left, top, width, height, wraps, low] = option.slot;
        layout_.push_back(
            {OptionBox(option.id), {left, top, width, height}, low ? kMiddleLow : kAfterLeftPane});
    }
    scale_ = FittingScale(layout_, font());
    designedSize_ =
        QSize(scale_.ToPixelsX(kClientWidthTwips), scale_.ToPixelsY(kClientHeightTwips));
    smallestSize_ =
        designedSize_ + SmallestExtra(layout_, scale_, kSmallestStretched, kSpacingTwips);
    setMinimumSize(smallestSize_);
    resize(designedSize_);
    PlaceControls();
}

int frmMain::SummaryRowHeight() const {
    return lblBatchSummary->isHidden() ? 0 : scale_.ToPixelsY(kSummaryRowTwips);
}

void frmMain::PlaceControls() {
    Place(layout_, scale_, size() - designedSize_ - QSize(0, SummaryRowHeight()));
    if (SummaryRowHeight() == 0) return;
    const int margin = scale_.ToPixelsX(kSpacingTwips);
    const int rowHeight = scale_.ToPixelsY(kSummaryHeightTwips);
    const int top = height() - scale_.ToPixelsY(kSpacingTwips) - rowHeight;
    const int buttonWidth = scale_.ToPixelsX(kDetailsWidthTwips);
    const int buttonLeft = width() - margin - buttonWidth;
    cmdBatchDetails->setGeometry(buttonLeft, top, buttonWidth, rowHeight);
    lblBatchSummary->setGeometry(margin, top, std::max(0, buttonLeft - 2 * margin), rowHeight);
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

QCheckBox* frmMain::OptionBox(OptionId option) const {
    return optionBoxes_[static_cast<std::size_t>(option)];
}

void frmMain::OpenMenu(ListId list, const QPoint& globalPos) {
    presenter_->MenuOpened(list);
    mnuPopup->popup(globalPos);
}

// A checkable entry per column the presenter lets the user hide, named by its heading.
void frmMain::OpenColumnsMenu(ListId id, const QPoint& globalPos) {
    mnuColumns->clear();
    const FileListView& list = List(id);
    for (int column = 0; column < FileListView::ColumnCount; ++column) {
        const auto listColumn = static_cast<tunewrap::ListColumn>(column);
        if (!tunewrap::MainPresenter::ColumnHideable(listColumn)) continue;
        QAction* entry = mnuColumns->addAction(list.headerItem()->text(column));
        entry->setCheckable(true);
        entry->setChecked(!list.isColumnHidden(column));
        connect(entry, &QAction::toggled, this, [this, id, listColumn](bool shown) {
            presenter_->ColumnShown(id, listColumn, shown);
        });
    }
    mnuColumns->popup(globalPos);
}

void frmMain::lvwMP3List_MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton) OpenMenu(ListId::MP3, globalPos);
}

void frmMain::lvwBMUList_MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton) OpenMenu(ListId::BMU, globalPos);
}

void frmMain::closeEvent(QCloseEvent* event) {
    presenter_->CloseRequested() ? event->accept() : event->ignore();
}

// The buttons are no auto-defaults, whose frame would change how they look, so Return and Enter
// reach the window from the focused button; they press it, as Space does.
void frmMain::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && button != nullptr && button->isEnabled() && !event->isAutoRepeat()) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
