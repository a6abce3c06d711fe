#pragma once
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BatchConvert.h"
#include "ConversionHost.h"
#include "FileListView.h"
#include "TwipsLayout.h"
#include "WrapCheckBox.h"

class ProgressDialogSink;
class QMessageBox;
class QMimeData;
struct PaneDrop;
struct WindowArguments;

// The program's main window: the source pane (MP3 files) on the left, the destination pane
// (BMU files) on the right, the convert buttons and options between them. The batch jobs see
// it as their ConversionHost.
class frmMain : public QWidget, public tunewrap::ConversionHost {
    Q_OBJECT
  public:
    // Builds the controls and runs Form_Load, so the window is ready to show.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Questions go through this when set, instead of a message box (tests answer them).
    using AskYesNoHook = std::function<tunewrap::MsgButton(
        const std::string& text, const std::string& title, tunewrap::MsgIcon icon,
        tunewrap::MsgButton defaultButton)>;
    void SetAskYesNoHook(AskYesNoHook hook) { askYesNoHook_ = std::move(hook); }

    // Lists the command line's folders in their panes and selects its files there.
    void OpenWith(const WindowArguments& arguments);

    // ConversionHost
    int EntryCount(tunewrap::ListId list) override;
    bool EntrySelected(tunewrap::ListId list, int position) override;
    std::string EntryName(tunewrap::ListId list, int position) override;
    void DeselectEntry(tunewrap::ListId list, int position) override;
    tunewrap::MsgButton AskYesNo(tunewrap::QuestionKind kind, const tunewrap::TextLines& text,
                                 const std::string& title, tunewrap::MsgIcon icon,
                                 tunewrap::MsgButton defaultButton) override;
    void Tell(tunewrap::QuestionKind kind, const tunewrap::TextLines& text,
              const std::string& title, tunewrap::MsgIcon icon) override;
    void BeginBusy() override;
    void EndBusy() override;
    void RefillList(tunewrap::ListId list, const std::string& dirWithSeparator,
                    const std::string& mask, bool append) override;
    std::string DirectoryText(tunewrap::ListId pane) override;
    int OptionState(tunewrap::OptionId option) override;

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
    WrapCheckBox* chkReencodeUnsuitable;
    QPushButton* cmdConvertToMP3;
    WrapCheckBox* chkPreserveFileDateTime;
    QPushButton* cmdInfo;
    QLabel* lblBMU;
    QLineEdit* txtBMUDir;
    QPushButton* cmdPromptForBMUDir;
    QPushButton* cmdBMURefresh;
    FileListView* lvwBMUList;
    QMenu* mnuPopup;
    QAction* mnuPopupDelete;
    QAction* mnuPopupSelectAll;
    QAction* mnuPopupProperties;

    // Window-level state shared with the list handlers and the context menu.
    std::int16_t intMP3SortColumn = 1;
    std::int16_t intBMUSortColumn = 1;
    std::int16_t intPopupList = 0;

  private slots:
    void Form_Load();
    void Form_Unload();
    void chkPreserveFileDateTime_Click();
    void cmdConvertToBMU_Click();
    void cmdConvertToMP3_Click();
    void cmdMP3Refresh_Click();
    void cmdBMURefresh_Click();
    void cmdInfo_Click();
    void cmdPromptForMP3Dir_Click();
    void cmdPromptForBMUDir_Click();
    void mnuPopupDelete_Click();
    void mnuPopupSelectAll_Click();
    void mnuPopupProperties_Click();

    void lvwMP3List_ColumnClick(int column1Based);
    void lvwBMUList_ColumnClick(int column1Based);
    void lvwMP3List_ItemClick();
    void lvwBMUList_ItemClick();
    void lvwMP3List_KeyUp(int key, Qt::KeyboardModifiers modifiers);
    void lvwBMUList_KeyUp(int key, Qt::KeyboardModifiers modifiers);
    void lvwMP3List_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void lvwBMUList_MouseUp(Qt::MouseButton button, const QPoint& globalPos);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The one message box of AskYesNo (question: Yes and No) and Tell (OK only).
    tunewrap::MsgButton ShowBox(const tunewrap::TextLines& text, const std::string& title,
                                tunewrap::MsgIcon icon, tunewrap::MsgButton defaultButton,
                                bool question);
    const std::vector<PlacedControl>& Layout() const { return layout_; }
    FileListView& List(tunewrap::ListId list) const;

    void FillFileList(FileListView& list, const std::string& dirWithSeparator,
                      const std::string& mask, bool append);
    int CountSelectedItems(const FileListView& list) const;

    void CreateControls();
    void ConnectHandlers();
    void SetFocusOrder();
    void ApplyLayout();
    void PlaceControls();  // for the window's present size
    void resizeEvent(QResizeEvent* event) override;
    void PaintRefreshIcons();
    void changeEvent(QEvent* event) override;

    QTreeWidgetItem* EntryItem(tunewrap::ListId list, int position) const;
    void RunBatch(std::vector<tunewrap::FileOutcome> (*job)(tunewrap::ConversionHost&,
                                                            ProgressSink&),
                  tunewrap::ConversionHost& host);
    void SortOnColumnClick(FileListView& list, std::int16_t& sortColumn, int column1Based);
    void EnableOnSelection(const FileListView& list, QPushButton* convertButton);
    void ShowPopup(std::int16_t popupList, const QPoint& globalPos);
    QPushButton* ConvertButton(tunewrap::ListId list) const;
    void DeleteSelectedFiles(tunewrap::ListId list);
    void SelectAllFiles(tunewrap::ListId list);
    QLineEdit* DirectoryBox(tunewrap::ListId pane) const;
    void BrowsePane(tunewrap::ListId pane, const char* title);
    void ListFolder(tunewrap::ListId pane, const std::string& folder);

    // Drops from the file manager on the panes.
    void AcceptDrops();
    PaneDrop ReadDrop(tunewrap::ListId pane, const QMimeData& data) const;
    void CarryOut(tunewrap::ListId pane, const PaneDrop& drop);

    // Start-up and shut-down helpers.
    std::string SettleSourceDirectory();
    std::string SettleDestinationDirectory();
    void RestoreColumnWidths();
    void RestoreOptions();
    std::array<std::pair<const char*, QCheckBox*>, 4> OptionSettings() const;
    void FillDestinationList(const std::string& dirWithSeparator);
    void RestoreWindowGeometry();
    void SaveWindowGeometry();

    std::vector<PlacedControl> layout_;
    LayoutScale scale_;
    QSize designedSize_;
    AskYesNoHook askYesNoHook_;
    std::unique_ptr<ProgressDialogSink> progressSink_;
    QMessageBox* openQuestion_ = nullptr;
    bool batchRunning_ = false;
    bool closeAfterBatch_ = false;
    bool unloaded_ = false;
    // Column widths as read at start-up (twips, pixels set), so a column the user did not
    // touch is stored back exactly as it was read.
    struct StoredWidth {
        float twips = 0.0f;
        int pixels = -1;
    };
    std::array<StoredWidth, 6> storedWidths_;
};
