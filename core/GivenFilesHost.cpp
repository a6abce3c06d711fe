#include "GivenFilesHost.h"

#include <utility>

namespace tunewrap {

GivenFilesHost::GivenFilesHost(ConversionHost& rest, ListId source, std::vector<File> files)
    : rest_(rest), source_(source), files_(std::move(files)), selected_(files_.size(), true) {}

bool GivenFilesHost::Given(ListId list, int position) const {
    return list == source_ && position >= 1 && position <= static_cast<int>(files_.size());
}

int GivenFilesHost::EntryCount(ListId list) {
    return list == source_ ? static_cast<int>(files_.size()) : rest_.EntryCount(list);
}

bool GivenFilesHost::EntrySelected(ListId list, int position) {
    if (list != source_) return rest_.EntrySelected(list, position);
    return Given(list, position) && selected_[position - 1];
}

std::string GivenFilesHost::EntryName(ListId list, int position) {
    if (list != source_) return rest_.EntryName(list, position);
    return Given(list, position) ? files_[position - 1].name : std::string();
}

std::string GivenFilesHost::EntryPath(ListId list, int position) {
    if (list != source_) return rest_.EntryPath(list, position);
    return Given(list, position) ? files_[position - 1].path : std::string();
}

void GivenFilesHost::DeselectEntry(ListId list, int position) {
    if (list != source_) return rest_.DeselectEntry(list, position);
    if (Given(list, position)) selected_[position - 1] = false;
}

MsgButton GivenFilesHost::AskYesNo(QuestionKind kind, const TextLines& text,
                                   const std::string& title, MsgIcon icon,
                                   MsgButton defaultButton) {
    return rest_.AskYesNo(kind, text, title, icon, defaultButton);
}

void GivenFilesHost::Tell(QuestionKind kind, const TextLines& text, const std::string& title,
                          MsgIcon icon) {
    rest_.Tell(kind, text, title, icon);
}

void GivenFilesHost::RefillList(ListId list, const std::string& dirWithSeparator,
                                const std::string& mask, bool append) {
    rest_.RefillList(list, dirWithSeparator, mask, append);
}

void GivenFilesHost::EntryDone(ListId list, int position, const FileOutcome& outcome) {
    rest_.EntryDone(list, position, outcome);
}

}  // namespace tunewrap
