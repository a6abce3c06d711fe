#pragma once
#include <array>
#include <map>
#include <string>
#include <vector>

#include "BatchConvert.h"
#include "ConversionHost.h"
#include "MainView.h"
#include "OpenedFiles.h"
#include "Options.h"
#include "ProgressSink.h"
#include "SettingsStore.h"

namespace tunewrap {

// The one way from a directory box's text to the folder a list is filled from: with one
// separator at its end.
std::string WithSeparator(const std::string& dir);

// The main window's state and decisions, without the window: what is read at start and stored
// at close, which buttons are on, how the lists sort, what a drop or the command line opens, the
// delete question, and the batch a convert button runs (a close asked for meanwhile waits for
// its end; the answers given "to all" last until it ends; its summary and new files are shown
// after it). The batch jobs see it as their ConversionHost; the window forwards what the user
// does and shows what it is told through MainView.
class MainPresenter : public ConversionHost {
  public:
    // `home` stands in for a folder that cannot be listed ("C:\" of the original program).
    MainPresenter(MainView& view, SettingsStore& settings, ProgressSink& progress,
                  std::string home);

    // Start-up (the folders, the window's place, the columns, the options) and shut-down,
    // which stores them back once however often it is called.
    void Load();
    void Unload();
    // True when the window may close now; during a batch it closes once the batch has ended.
    bool CloseRequested();

    void Refresh(ListId pane);  // lists the folder the pane's box names
    // Files appeared in, vanished from or changed in the folder the list shows; once it falls
    // quiet, the list is read again with its selection kept.
    void FolderChanged(ListId list);
    void FolderQuiet(ListId list);
    void Browse(ListId pane);
    void ColumnClicked(ListId list, int column1Based);
    // The user dragged the column's edge: its width is theirs for the rest of the session.
    void ColumnDragged(ListId list, ListColumn column);
    // From the header's menu: the audio facts' columns can be hidden, Name, Size and Modified not.
    // A list reads the facts only while one of their columns shows.
    static bool ColumnHideable(ListColumn column);
    void ColumnShown(ListId list, ListColumn column, bool shown);
    void FactsFilled(ListId list) { SortByFacts(list); }  // every row's facts are read
    void RowsClicked(ListId list);
    void SetOption(OptionId option, bool checked);  // stored at once for some options
    void Convert(ListId source);
    void MenuOpened(ListId list);  // the list menu's commands act on that list from now on
    ListId MenuList() const { return menuList_; }
    void DeleteSelected(ListId list);
    void SelectAll(ListId list);
    void ShowProperties(ListId list);
    // The selected songs, named for the game, packed into a hak with their music table rows.
    void PackIntoHak();

    // Files from outside. Nothing dropped is taken while a batch runs.
    bool TakesDrops() const { return !batchRunning_; }
    void Dropped(ListId pane, const PaneDrop& drop);
    void OpenWith(const WindowArguments& arguments);

    bool OptionChecked(OptionId option) const { return options_[Index(option)]; }
    static constexpr std::size_t kStoredColumns = 16;  // widths, both lists

    // ConversionHost
    int EntryCount(ListId list) override;
    bool EntrySelected(ListId list, int position) override;
    std::string EntryName(ListId list, int position) override;
    void DeselectEntry(ListId list, int position) override;
    MsgButton AskYesNo(QuestionKind kind, const TextLines& text, const std::string& title,
                       MsgIcon icon, MsgButton defaultButton) override;
    void Tell(QuestionKind kind, const TextLines& text, const std::string& title,
              MsgIcon icon) override;
    void BeginBusy() override;
    void EndBusy() override;
    void RefillList(ListId list, const std::string& dirWithSeparator, const std::string& mask,
                    bool append) override;
    std::string DirectoryText(ListId pane) override;
    int OptionState(OptionId option) override { return OptionChecked(option) ? 1 : 0; }
    void EntryDone(ListId, int, const FileOutcome&) override { ++batchFilesDone_; }

  private:
    static std::size_t Index(ListId list) { return static_cast<std::size_t>(list); }
    static std::size_t Index(OptionId option) { return static_cast<std::size_t>(option); }

    void RunBatch(ListId source, ConversionHost& host);  // from its entries to the other's
    // Batches (MainPresenter_Batch.cpp): what is forgotten before one and shown after it.
    void BeginBatch(ListId source, ConversionHost& host);
    void EndBatch(ListId source, ConversionHost& host, const std::vector<FileOutcome>& outcomes);
    int SelectedCount(ListId list);
    // A refresh during a batch may have shortened a list; a vanished position is no entry.
    bool HasRow(ListId list, int position);
    void EnableConvert(ListId list);
    void SortByFacts(ListId list);
    void ListFolder(ListId pane, const std::string& folder);
    void ShowFolder(ListId pane, const std::string& folder);
    void Fill(ListId list, const std::string& dirWithSeparator);
    // Selects the rows of these names, and only those; the first one's position, or 0.
    int SelectNames(ListId list, const std::vector<std::string>& names);

    // Settings (MainPresenter_Settings.cpp).
    std::string ReadSetting(const char* valueName);
    void WriteSetting(const char* valueName, const std::string& text);
    std::string ListableOrHome(const std::string& dir, const char* valueName);
    std::string SourceDirectory();
    std::string DestinationDirectory();
    void RestoreColumnWidths();
    void GrowColumn(std::size_t column);  // index of its setting
    void FitColumns(ListId list);
    void SaveColumnWidths();
    bool FactsWanted(ListId list) const;
    void ReadFacts(ListId list);
    void RestoreOptions();

    MainView& view_;
    SettingsStore& settings_;
    ProgressSink& progress_;
    std::string home_;
    // The folder each list was filled from, with its separator: the names a job takes from a
    // list, and the files it writes and lists afresh, are in the folder the user sees listed,
    // whatever the box shows meanwhile.
    std::array<std::string, 2> listed_;
    std::array<ListColumn, 2> sortColumn_{ListColumn::Name, ListColumn::Name};
    std::array<bool, 2> sortDescending_{false, false};
    std::array<bool, kOptionCount> options_{};
    std::array<bool, 2> folderChanged_{};
    ListId menuList_ = ListId::MP3;
    bool batchRunning_ = false;
    // The running batch's selected entries, how many of them it has finished, and the answers
    // given "to all", by the kind of question.
    int batchFiles_ = 0;
    int batchFilesDone_ = 0;
    std::map<QuestionKind, MsgButton> answeredToAll_;
    bool closeAfterBatch_ = false;
    bool unloaded_ = false;
    // Column widths as read at start-up, so a column the user did not touch is stored back
    // exactly as it was read; pixels -1 for a column fitted to its contents.
    struct StoredWidth {
        float twips = 0.0f;
        int pixels = -1;
    };
    std::array<StoredWidth, kStoredColumns> storedWidths_;
    std::array<bool, kStoredColumns> dragged_{};
    std::array<bool, kStoredColumns> hidden_{};
    std::array<bool, 2> factsRead_{};  // for the rows listed now
    bool widthsRestored_ = false;      // listing before start-up has restored them fits nothing
};

}  // namespace tunewrap
