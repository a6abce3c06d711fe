#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "CliQuestions.h"
#include "ConversionHost.h"
#include "Options.h"

namespace tunewrap::cli {

struct ConvertOptions {
    bool toBMU = true;
    std::array<bool, kOptionCount> checked = DefaultOptionStates();  // the window's options
    bool skipExisting = false;  // an existing destination is kept, and that is no fault
    void Set(OptionId option, bool on) { checked[static_cast<std::size_t>(option)] = on; }
};

// One batch as the window would run it: the given files of one directory are the source
// list's entries, in the order given; the destination pane shows the output directory.
struct BatchFiles {
    std::string sourceDir;
    std::string destinationDir;
    std::vector<std::string> names;
    std::vector<std::string> given;  // each name's file as the user gave it
    std::vector<bool> selected;
    bool laterBatchesFollow = false;
};

class CliHost : public ConversionHost {
  public:
    // entryDone hears of each entry (its 0-based index in `files`) as soon as it is done.
    using EntryDoneFunction = std::function<void(std::size_t, const FileOutcome&)>;
    CliHost(const ConvertOptions& options, BatchFiles& files, CliQuestions& questions,
            EntryDoneFunction entryDone);

    int EntryCount(ListId list) override;
    bool EntrySelected(ListId list, int position) override;
    std::string EntryName(ListId list, int position) override;
    void DeselectEntry(ListId list, int position) override;
    MsgButton AskYesNo(QuestionKind kind, const TextLines& text, const std::string& title,
                       MsgIcon icon, MsgButton defaultButton) override;
    void BeginBusy() override {}
    void EndBusy() override {}
    // Nothing is listed, so there is nothing to refill.
    void RefillList(ListId, const std::string&, const std::string&, bool) override {}
    std::string DirectoryText(ListId pane) override;
    int OptionState(OptionId option) override;
    void EntryDone(ListId list, int position, const FileOutcome& outcome) override;
    bool LaterBatchesFollow() override { return files_.laterBatchesFollow; }

  private:
    bool IsSource(ListId list) const { return list == sourceList_; }
    bool Valid(ListId list, int position) const;

    ConvertOptions options_;
    ListId sourceList_;
    BatchFiles& files_;
    CliQuestions& questions_;
    EntryDoneFunction entryDone_;
};

}  // namespace tunewrap::cli
