// The lists' context menu: Delete, Select All and Properties, on the list it was opened over.
#include "PathJoin.h"
#include "ShowProperties.h"
#include "frmMain.h"
#include "mdlFileOps.h"
#include "mdlString.h"

using tunewrap::ListId;

namespace {

ListId PopupList(std::int16_t intPopupList) {
    return intPopupList == 0 ? ListId::MP3 : ListId::BMU;
}

// Names are joined with the path separator: it is the one character a file name cannot hold,
// so splitting the list again gives back exactly the names that were selected.
const std::string kNameSeparator(1, platform::kPathSeparator);

tunewrap::TextLines DeleteQuestion(const std::string& nameList) {
    const std::int16_t count = mdlString::CountOccurrences(nameList, kNameSeparator);
    if (count <= 1) {
        return {"Are you sure you want to delete:", "",
                nameList.substr(0, nameList.size() - kNameSeparator.size())};
    }
    return {"Are you sure you want to delete these " + mdlString::TrimmedStr(count) + " files?"};
}

}  // namespace

void frmMain::mnuPopupDelete_Click() {
    DeleteSelectedFiles(PopupList(intPopupList));
}

void frmMain::DeleteSelectedFiles(ListId list) {
    std::string nameList;
    for (int position = 1; position <= EntryCount(list); ++position) {
        if (EntrySelected(list, position)) nameList += EntryName(list, position) + kNameSeparator;
    }
    // A right click on empty space, then Delete: there is nothing to ask about.
    if (nameList.empty()) return;

    if (AskYesNo(tunewrap::QuestionKind::ConfirmDelete, DeleteQuestion(nameList), "Confirm Delete",
                 tunewrap::MsgIcon::Question,
                 tunewrap::MsgButton::Yes) == tunewrap::MsgButton::Yes) {
        const std::string dir = DirectoryText(list);
        const auto owner = static_cast<platform::WindowHandle>(winId());
        // Each name is taken off the front, so the 16-bit token position never has to reach
        // past the first name however many files are selected.
        for (std::string rest = nameList; !rest.empty();) {
            std::int16_t position = 1;
            const std::string name = mdlString::NextToken(rest, kNameSeparator, position);
            if (position == 0) break;
            // One file per call: a file that cannot be trashed does not hold up the others.
            mdlFileOps::ShellDelete(owner, platform::JoinPath(dir, name), "", false, false, false);
            rest.erase(0, static_cast<std::size_t>(position - 1));
        }
    }
    cmdBMURefresh_Click();
    cmdMP3Refresh_Click();
}

void frmMain::mnuPopupSelectAll_Click() {
    SelectAllFiles(PopupList(intPopupList));
}

// The user asked for it, so the list's convert button comes on as after a click.
void frmMain::SelectAllFiles(ListId id) {
    FileListView& list = List(id);
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        list.topLevelItem(row)->setSelected(true);
    EnableOnSelection(list, ConvertButton(id));
}

void frmMain::mnuPopupProperties_Click() {
    const ListId list = PopupList(intPopupList);
    for (int position = 1; position <= EntryCount(list); ++position) {
        if (!EntrySelected(list, position)) continue;
        showproperties::ShowFileProperties(
            this, platform::JoinPath(DirectoryText(list), EntryName(list, position)),
            chkWAVExtension->isChecked());
        return;
    }
}
