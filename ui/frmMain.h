#pragma once
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FileListView.h"
#include "FolderWatch.h"
#include "MainPresenter.h"
#include "MainView.h"
#include "Options.h"
#include "RegistrySettings.h"
#include "TwipsLayout.h"

class FactsReader;
class ProgressDialogSink;
class frmBatchDetails;
class QMessageBox;
class QMimeData;

// The program's main window: the source pane (MP3 files) on the left, the destination pane
// (BMU files) on the right, the convert buttons and options between them. It builds the
// controls, hands what the user does to its MainPresenter and shows what that tells it.
class frmMain : public QWidget, public tunewrap::MainView {
    Q_OBJECT
  public:
    // Builds the controls and loads the settings, so the window is ready to show.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Questions go through this when set, instead of a message box (tests answer them).
    using AskYesNoHook = std::function<tunewrap::MsgButton(
        const std::string& text, const std::string& title, tunewrap::MsgIcon icon,
        tunewrap::MsgButton defaultButton)>;
    void SetAskYesNoHook(AskYesNoHook hook) { askYesNoHook_ = std::move(hook); }
    // The "Pack into hak" dialog goes through this when set (tests drive one of their own).
    using HakDialogHook = std::function<bool(tunewrap::HakPlan& plan)>;
    void SetHakDialogHook(HakDialogHook hook) { hakDialogHook_ = std::move(hook); }

    // Lists the command line's folders in their panes and selects its files there.
    void OpenWith(const WindowArguments& arguments) { presenter_->OpenWith(arguments); }

    // MainView
    int RowCount(tunewrap::ListId list) override;
    std::string RowName(tunewrap::ListId list, int position) override;
    bool RowSelected(tunewrap::ListId list, int position) override;
    void SelectRow(tunewrap::ListId list, int position, bool selected) override;
    void ScrollToRow(tunewrap::ListId list, int position) override;
    void FillList(tunewrap::ListId list, const std::string& dirWithSeparator,
                  const std::string& mask, bool append) override;
    void SortList(tunewrap::ListId list, tunewrap::ListColumn column, bool descending) override;
    void AwaitQuiet(tunewrap::ListId list) override;
    int SetColumnWidth(tunewrap::ListId list, tunewrap::ListColumn column,
                       std::optional<float> twips) override;
    tunewrap::ColumnWidth CurrentColumnWidth(tunewrap::ListId list,
                                             tunewrap::ListColumn column) override;
    tunewrap::ColumnRoom ColumnNeeds(tunewrap::ListId list, tunewrap::ListColumn column) override;
    void SetColumnPixels(tunewrap::ListId list, tunewrap::ListColumn column, int pixels) override;
    void ShowColumn(tunewrap::ListId list, tunewrap::ListColumn column, bool shown) override;
    void ReadFacts(tunewrap::ListId list, const std::string& dirWithSeparator,
                   bool wavOption) override;
    void JudgeFacts(tunewrap::ListId list, bool wavOption) override;
    std::string DirectoryBoxText(tunewrap::ListId pane) override;
    void SetDirectoryBoxText(tunewrap::ListId pane, const std::string& text) override;
    void CheckOption(tunewrap::OptionId option, bool checked) override;
    void Enable(tunewrap::Control control, bool enabled) override;
    void ShowBusy(bool busy) override;
    tunewrap::BoxAnswer ShowBox(const tunewrap::TextLines& text, const std::string& title,
                                tunewrap::MsgIcon icon, tunewrap::MsgButton defaultButton,
                                tunewrap::BoxButtons buttons) override;
    void ShowSummary(const tunewrap::BatchSummary& summary) override;
    std::string PickFolder(const std::string& title, const std::string& start) override;
    void ShowProperties(const std::string& path, bool wavExtension) override;
    bool EditHakPlan(tunewrap::HakPlan& plan) override;
    void MoveToTrash(const std::string& path) override;
    void PlaceWindow(const std::optional<tunewrap::WindowPlace>& stored) override;
    tunewrap::WindowPlace CurrentPlace() override;
    void StopBatch() override;
    void Close() override { close(); }

  private:
    // Tests, benchmarks and the screenshot tool drive the controls through this subclass.
    friend class frmMainTestAccess;

    // Controls, named as the window's design names them.
    QLabel* lblMP3;
    QLineEdit* txtMP3Dir;
    QPushButton* cmdPromptForMP3Dir;
    QPushButton* cmdMP3Refresh;
    FileListView* lvwMP3List;
    QPushButton* cmdConvertToBMU;
    QCheckBox* chkWAVExtension;
    QLabel* lblWaveReason;
    QCheckBox* chkOverwriteAll;
    QCheckBox* chkReencodeUnsuitable;
    QPushButton* cmdConvertToMP3;
    QCheckBox* chkPreserveFileDateTime;
    QPushButton* cmdInfo;
    QLabel* lblBMU;
    QLineEdit* txtBMUDir;
    QPushButton* cmdPromptForBMUDir;
    QPushButton* cmdBMURefresh;
    FileListView* lvwBMUList;
    QLabel* lblBatchSummary;  // below the lists once a batch has ended
    QPushButton* cmdBatchDetails;
    std::array<FolderWatch*, 2> folderWatches_;                   // in ListId order
    std::array<FactsReader*, 2> factsReaders_;                    // in ListId order
    std::array<QCheckBox*, tunewrap::kOptionCount> optionBoxes_;  // in OptionId order
    QMenu* mnuPopup;
    QAction* mnuPopupDelete;
    QAction* mnuPopupSelectAll;
    QAction* mnuPopupProperties;
    QAction* mnuPopupPackIntoHak;
    QMenu* mnuColumns;  // the headings' menu: which facts a list shows

  private slots:
    void cmdConvertToBMU_Click() { presenter_->Convert(tunewrap::ListId::MP3); }
    void cmdConvertToMP3_Click() { presenter_->Convert(tunewrap::ListId::BMU); }
    void cmdMP3Refresh_Click() { presenter_->Refresh(tunewrap::ListId::MP3); }
    void cmdBMURefresh_Click() { presenter_->Refresh(tunewrap::ListId::BMU); }
    void cmdInfo_Click();
    void cmdBatchDetails_Click();
    void cmdPromptForMP3Dir_Click() { presenter_->Browse(tunewrap::ListId::MP3); }
    void cmdPromptForBMUDir_Click() { presenter_->Browse(tunewrap::ListId::BMU); }
    void mnuPopupDelete_Click() { presenter_->DeleteSelected(presenter_->MenuList()); }
    void mnuPopupSelectAll_Click() { presenter_->SelectAll(presenter_->MenuList()); }
    void mnuPopupProperties_Click() { presenter_->ShowProperties(presenter_->MenuList()); }
    void lvwMP3List_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void lvwBMUList_MouseUp(Qt::MouseButton button, const QPoint& globalPos);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const std::vector<PlacedControl>& Layout() const { return layout_; }
    FileListView& List(tunewrap::ListId list) const;
    QCheckBox* OptionBox(tunewrap::OptionId option) const;
    QTreeWidgetItem* Row(tunewrap::ListId list, int position) const;
    void OpenMenu(tunewrap::ListId list, const QPoint& globalPos);
    void OpenColumnsMenu(tunewrap::ListId list, const QPoint& globalPos);

    void CreateControls();
    void ConnectHandlers();
    void SetFocusOrder();
    void ApplyLayout();
    void PlaceControls();          // for the window's present size
    int SummaryRowHeight() const;  // 0 without a summary
    void resizeEvent(QResizeEvent* event) override;
    void PaintRefreshIcons();
    void changeEvent(QEvent* event) override;

    // Drops from the file manager on the panes (frmMain_Drops.cpp).
    void AcceptDrops();

    std::vector<PlacedControl> layout_;
    LayoutScale scale_;
    QSize designedSize_;
    QSize smallestSize_;  // without a summary's row
    AskYesNoHook askYesNoHook_;
    HakDialogHook hakDialogHook_;
    std::unique_ptr<ProgressDialogSink> progressSink_;
    RegistrySettings settings_;
    std::unique_ptr<tunewrap::MainPresenter> presenter_;
    QMessageBox* openQuestion_ = nullptr;
    tunewrap::BatchSummary summary_;
    QPointer<frmBatchDetails> details_;  // once opened, until closed
    bool sizingColumns_ = false;         // a column resized meanwhile was not dragged by the user
};
