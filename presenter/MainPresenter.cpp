#include "MainPresenter.h"

#include <algorithm>
#include <utility>

#include "GivenFilesHost.h"
#include "PathJoin.h"
#include "UiText.h"
#include "mdlString.h"

namespace tunewrap {

std::string WithSeparator(const std::string& dir) {
    return !dir.empty() && dir.back() == platform::kPathSeparator ? dir
                                                                  : dir + platform::kPathSeparator;
}

namespace {

std::string WithoutSeparator(const std::string& dirWithSeparator) {
    // A root stays a root.
    return dirWithSeparator.size() > 1 ? dirWithSeparator.substr(0, dirWithSeparator.size() - 1)
                                       : dirWithSeparator;
}

Control ConvertButton(ListId list) {
    return list == ListId::MP3 ? Control::ConvertToBMU : Control::ConvertToMP3;
}

// Names are joined with the path separator: it is the one character a file name cannot hold,
// so splitting the list again gives back exactly the names that were selected.
const std::string kNameSeparator(1, platform::kPathSeparator);

TextLines DeleteQuestion(const std::string& nameList) {
    const std::int16_t count = mdlString::CountOccurrences(nameList, kNameSeparator);
    if (count <= 1) {
        return {platform::Tr("MainPresenter", "Are you sure you want to delete:"), "",
                nameList.substr(0, nameList.size() - kNameSeparator.size())};
    }
    return {platform::Filled(
        platform::Tr("MainPresenter", "Are you sure you want to delete these %1 files?"),
        {mdlString::TrimmedStr(count)})};
}

}  // namespace

MainPresenter::MainPresenter(MainView& view, SettingsStore& settings, ProgressSink& progress,
                             std::string home)
    : view_(view), settings_(settings), progress_(progress), home_(std::move(home)) {}

// ---- Lists and panes

void MainPresenter::Fill(ListId list, const std::string& dirWithSeparator) {
    if (list == ListId::MP3) {
        RefillList(list, dirWithSeparator, "*.mp3", false);
    } else {
        RefillList(list, dirWithSeparator, "*.bmu", false);
        RefillList(list, dirWithSeparator, "*.wav", true);
    }
    FitColumns(list);
}

void MainPresenter::Refresh(ListId pane) {
    Fill(pane, WithSeparator(view_.DirectoryBoxText(pane)));
}

// During a batch the lists stay as the batch numbers their rows; it lists its destination afresh
// at its end, and the source follows then.
void MainPresenter::FolderChanged(ListId list) {
    folderChanged_[Index(list)] = true;
    if (!batchRunning_) view_.AwaitQuiet(list);
}

// The listed folder, not the box's text, which may name one not yet listed.
void MainPresenter::FolderQuiet(ListId list) {
    if (batchRunning_ || !std::exchange(folderChanged_[Index(list)], false)) return;
    std::vector<std::string> selected;
    for (int position = 1; position <= view_.RowCount(list); ++position) {
        if (view_.RowSelected(list, position)) selected.push_back(view_.RowName(list, position));
    }
    Fill(list, listed_[Index(list)]);
    SelectNames(list, selected);
    view_.Enable(ConvertButton(list), SelectedCount(list) > 0);
}

int MainPresenter::SelectNames(ListId list, const std::vector<std::string>& names) {
    int first = 0;
    for (int position = 1; position <= view_.RowCount(list); ++position) {
        const std::string name = view_.RowName(list, position);
        const bool wanted = std::find(names.begin(), names.end(), name) != names.end();
        view_.SelectRow(list, position, wanted);
        if (wanted && first == 0) first = position;
    }
    return first;
}

void MainPresenter::ShowFolder(ListId pane, const std::string& folder) {
    view_.SetDirectoryBoxText(pane, folder);
    Fill(pane, WithSeparator(folder));
}

// The pane's convert button goes off: the list is about to be rebuilt, so nothing in it will
// be selected.
void MainPresenter::ListFolder(ListId pane, const std::string& folder) {
    view_.Enable(ConvertButton(pane), false);
    ShowFolder(pane, folder);
}

// A cancelled picker changes nothing.
void MainPresenter::Browse(ListId pane) {
    const std::string chosen = view_.PickFolder(
        pane == ListId::MP3 ? platform::Tr("MainPresenter", "Select your MP3 directory")
                            : platform::Tr("MainPresenter", "Select your BMU directory"),
        view_.DirectoryBoxText(pane));
    if (!chosen.empty()) ListFolder(pane, chosen);
}

void MainPresenter::ColumnClicked(ListId list, int column1Based) {
    const auto column = static_cast<ListColumn>(column1Based - 1);
    bool& descending = sortDescending_[Index(list)];
    if (column == sortColumn_[Index(list)]) {
        descending = !descending;
    } else {
        sortColumn_[Index(list)] = column;
        descending = false;
    }
    view_.SortList(list, column, descending);
}

// A batch numbers the rows as they stood when it started: facts read meanwhile re-sort the list
// only once it has ended.
void MainPresenter::SortByFacts(ListId list) {
    const ListColumn column = sortColumn_[Index(list)];
    if (!batchRunning_ && ColumnHideable(column))
        view_.SortList(list, column, sortDescending_[Index(list)]);
}

int MainPresenter::SelectedCount(ListId list) {
    int count = 0;
    for (int position = 1; position <= view_.RowCount(list); ++position) {
        if (view_.RowSelected(list, position)) ++count;
    }
    return count;
}

// A convert button stays off while a batch runs, whatever is selected meanwhile: pressed, it
// could only be turned away.
void MainPresenter::EnableConvert(ListId list) {
    if (!batchRunning_ && SelectedCount(list) > 0) view_.Enable(ConvertButton(list), true);
}

void MainPresenter::RowsClicked(ListId list) {
    EnableConvert(list);
}

void MainPresenter::SetOption(OptionId option, bool checked) {
    if (options_[Index(option)] == checked) return;
    options_[Index(option)] = checked;
    view_.CheckOption(option, checked);
    const OptionInfo& info = Option(option);
    if (info.storedAtOnce) WriteSetting(info.valueName, checked ? "1" : "0");
    if (option == OptionId::WAVExtension && factsRead_[Index(ListId::MP3)]) {
        view_.JudgeFacts(ListId::MP3, checked);
        SortByFacts(ListId::MP3);
    }
}

// ---- The list menu and its keys

void MainPresenter::MenuOpened(ListId list) {
    menuList_ = list;
    view_.Enable(Control::MenuProperties, SelectedCount(list) <= 1);
    view_.Enable(Control::MenuPackIntoHak, list == ListId::MP3 && SelectedCount(list) > 0);
}

void MainPresenter::DeleteSelected(ListId list) {
    std::string nameList;
    for (int position = 1; position <= EntryCount(list); ++position) {
        if (EntrySelected(list, position)) nameList += EntryName(list, position) + kNameSeparator;
    }
    // A right click on empty space, then Delete: there is nothing to ask about.
    if (nameList.empty()) return;

    if (AskYesNo(QuestionKind::ConfirmDelete, DeleteQuestion(nameList),
                 platform::Tr("MainPresenter", "Confirm Delete"), MsgIcon::Question,
                 MsgButton::Yes) == MsgButton::Yes) {
        const std::string dir = DirectoryText(list);
        // Each name is taken off the front, so the 16-bit token position never has to reach
        // past the first name however many files are selected.
        for (std::string rest = nameList; !rest.empty();) {
            std::int16_t position = 1;
            const std::string name = mdlString::NextToken(rest, kNameSeparator, position);
            if (position == 0) break;
            // One file per call: a file that cannot be trashed does not hold up the others.
            view_.MoveToTrash(platform::JoinPath(dir, name));
            rest.erase(0, static_cast<std::size_t>(position - 1));
        }
    }
    Refresh(ListId::BMU);
    Refresh(ListId::MP3);
}

// The user asked for it, so the list's convert button comes on as after a click.
void MainPresenter::SelectAll(ListId list) {
    for (int position = 1; position <= view_.RowCount(list); ++position)
        view_.SelectRow(list, position, true);
    EnableConvert(list);
}

void MainPresenter::ShowProperties(ListId list) {
    for (int position = 1; position <= EntryCount(list); ++position) {
        if (!EntrySelected(list, position)) continue;
        view_.ShowProperties(platform::JoinPath(DirectoryText(list), EntryName(list, position)),
                             OptionChecked(OptionId::WAVExtension));
        return;
    }
}

// ---- Batches

void MainPresenter::Convert(ListId source) {
    RunBatch(source, *this);
}

void MainPresenter::RunBatch(ListId source, ConversionHost& host) {
    // A second batch would start inside the first, which yields to the user while it copies.
    if (batchRunning_) return;
    batchRunning_ = true;
    BeginBatch(source, host);
    const std::vector<FileOutcome> outcomes =
        source == ListId::MP3 ? ConvertToBMU(host, progress_) : ConvertToMP3(host, progress_);
    batchRunning_ = false;
    for (const ListId list : {ListId::MP3, ListId::BMU}) SortByFacts(list);
    if (!closeAfterBatch_) EndBatch(source, host, outcomes);  // a closing window shows nothing
    FitColumns(OtherPane(source));  // the batch listed its destination afresh
    folderChanged_[Index(OtherPane(source))] = false;
    if (folderChanged_[Index(source)]) view_.AwaitQuiet(source);
    if (closeAfterBatch_) view_.Close();
}

// The job runs further up the very call stack that asks; it must finish its end steps before the
// window goes.
bool MainPresenter::CloseRequested() {
    if (batchRunning_) {
        closeAfterBatch_ = true;
        view_.StopBatch();
        return false;
    }
    Unload();
    return true;
}

// A drop runs the very batch of the convert button, the dropped files standing in for the
// selected entries of the list they come from.
void MainPresenter::Dropped(ListId pane, const PaneDrop& drop) {
    if (drop.kind == PaneDrop::Kind::ListFolder) {
        ListFolder(pane, drop.folder);
    } else if (drop.kind == PaneDrop::Kind::Convert) {
        std::vector<GivenFilesHost::File> files;
        for (const PaneDrop::File& file : drop.files) files.push_back({file.path, file.name});
        GivenFilesHost host(*this, OtherPane(pane), std::move(files));
        RunBatch(OtherPane(pane), host);
        // The batch took none of the lists' selections, so a button whose list still has one
        // comes back on.
        EnableConvert(ListId::MP3);
        EnableConvert(ListId::BMU);
    }
}

// Lists the command line's folders in their panes and selects its files there.
void MainPresenter::OpenWith(const WindowArguments& arguments) {
    for (const ListId pane : {ListId::MP3, ListId::BMU}) {
        if (arguments.folders[Index(pane)].empty()) continue;
        ListFolder(pane, arguments.folders[Index(pane)]);
        const int first = SelectNames(pane, arguments.selected[Index(pane)]);
        if (first != 0) view_.ScrollToRow(pane, first);
        EnableConvert(pane);
    }
}

// ---- ConversionHost

int MainPresenter::EntryCount(ListId list) {
    return view_.RowCount(list);
}

bool MainPresenter::HasRow(ListId list, int position) {
    return position >= 1 && position <= view_.RowCount(list);
}

bool MainPresenter::EntrySelected(ListId list, int position) {
    return HasRow(list, position) && view_.RowSelected(list, position);
}

std::string MainPresenter::EntryName(ListId list, int position) {
    return HasRow(list, position) ? view_.RowName(list, position) : std::string();
}

void MainPresenter::DeselectEntry(ListId list, int position) {
    if (HasRow(list, position)) view_.SelectRow(list, position, false);
}

void MainPresenter::Tell(QuestionKind, const TextLines& text, const std::string& title,
                         MsgIcon icon) {
    view_.ShowBox(text, title, icon, MsgButton::Yes, BoxButtons::Ok);
}

void MainPresenter::BeginBusy() {
    for (const Control control :
         {Control::ConvertToBMU, Control::ConvertToMP3, Control::About, Control::WAVExtension})
        view_.Enable(control, false);
    view_.ShowBusy(true);
}

void MainPresenter::EndBusy() {
    view_.ShowBusy(false);
    view_.Enable(Control::WAVExtension, true);
    view_.Enable(Control::About, true);
}

void MainPresenter::RefillList(ListId list, const std::string& dirWithSeparator,
                               const std::string& mask, bool append) {
    view_.FillList(list, dirWithSeparator, mask, append);
    listed_[Index(list)] = dirWithSeparator;
    factsRead_[Index(list)] = false;
    if (widthsRestored_ && FactsWanted(list)) ReadFacts(list);
}

std::string MainPresenter::DirectoryText(ListId pane) {
    return WithoutSeparator(listed_[Index(pane)]);
}

}  // namespace tunewrap
