#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "CliQuestions.h"
#include "ConversionHost.h"
#include "GivenFilesHost.h"
#include "Options.h"

namespace tunewrap::cli {

struct ConvertOptions {
    bool toBMU = true;
    std::array<bool, kOptionCount> checked = DefaultOptionStates();  // the window's options
    bool skipExisting = false;  // an existing destination is kept, and that is no fault
    void Set(OptionId option, bool on) { checked[static_cast<std::size_t>(option)] = on; }
};

// One batch as the window would run it: the given files of one directory are the source
// list's entries (a GivenFilesHost over the CliHost), in the order given; the destination pane
// shows the output directory.
struct BatchFiles {
    std::string sourceDir;
    std::string destinationDir;
    std::vector<GivenFilesHost::File> files;
    std::vector<std::string> given;  // each file as the user gave it
    bool laterBatchesFollow = false;
};

// The command line's side of a batch: its questions, folders, options and report. The entries
// are the given files' (GivenFilesHost); there are none listed here.
class CliHost : public ConversionHost {
  public:
    // entryDone hears of each entry (its 0-based index in `files`) as soon as it is done.
    using EntryDoneFunction = std::function<void(std::size_t, const FileOutcome&)>;
    CliHost(const ConvertOptions& options, const BatchFiles& files, CliQuestions& questions,
            EntryDoneFunction entryDone);

    int EntryCount(ListId) override { return 0; }
    bool EntrySelected(ListId, int) override { return false; }
    std::string EntryName(ListId, int) override { return {}; }
    void DeselectEntry(ListId, int) override {}
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

    ConvertOptions options_;
    ListId sourceList_;
    const BatchFiles& files_;
    CliQuestions& questions_;
    EntryDoneFunction entryDone_;
};

}  // namespace tunewrap::cli
