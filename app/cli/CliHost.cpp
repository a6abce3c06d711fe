#include "CliHost.h"

#include <utility>

namespace tunewrap::cli {

CliHost::CliHost(const ConvertOptions& options, BatchFiles& files, CliQuestions& questions,
                 EntryDoneFunction entryDone)
    : options_(options),
      sourceList_(options.toBMU ? ListId::MP3 : ListId::BMU),
      files_(files),
      questions_(questions),
      entryDone_(std::move(entryDone)) {}

bool CliHost::Valid(ListId list, int position) const {
    return IsSource(list) && position >= 1 && position <= static_cast<int>(files_.names.size());
}

int CliHost::EntryCount(ListId list) {
    return IsSource(list) ? static_cast<int>(files_.names.size()) : 0;
}

bool CliHost::EntrySelected(ListId list, int position) {
    return Valid(list, position) && files_.selected[position - 1];
}

std::string CliHost::EntryName(ListId list, int position) {
    return Valid(list, position) ? files_.names[position - 1] : std::string();
}

void CliHost::DeselectEntry(ListId list, int position) {
    if (Valid(list, position)) files_.selected[position - 1] = false;
}

void CliHost::EntryDone(ListId list, int position, const FileOutcome& outcome) {
    if (Valid(list, position)) entryDone_(static_cast<std::size_t>(position - 1), outcome);
}

MsgButton CliHost::AskYesNo(QuestionKind kind, const TextLines& text, const std::string& title,
                            MsgIcon, MsgButton defaultButton) {
    return questions_.Ask(kind, text, title, defaultButton);
}

std::string CliHost::DirectoryText(ListId pane) {
    return IsSource(pane) ? files_.sourceDir : files_.destinationDir;
}

int CliHost::OptionState(OptionId option) {
    return options_.checked[static_cast<std::size_t>(option)] ? 1 : 0;
}

}  // namespace tunewrap::cli
