#include "CliHost.h"

#include <utility>

namespace tunewrap::cli {

CliHost::CliHost(const ConvertOptions& options, const BatchFiles& files, CliQuestions& questions,
                 EntryDoneFunction entryDone)
    : options_(options),
      sourceList_(options.toBMU ? ListId::MP3 : ListId::BMU),
      files_(files),
      questions_(questions),
      entryDone_(std::move(entryDone)) {}

void CliHost::EntryDone(ListId list, int position, const FileOutcome& outcome) {
    if (IsSource(list) && position >= 1 && position <= static_cast<int>(files_.files.size()))
        entryDone_(static_cast<std::size_t>(position - 1), outcome);
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
