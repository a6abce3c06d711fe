#pragma once
#include <string>
#include <vector>

#include "ConversionHost.h"

namespace tunewrap {

// A batch over files given from outside (dropped on the window, named on the command line): they
// are the source list's entries, in the order given and all selected at the start, each read
// from where it is. Everything else (the other list, the questions, the busy state, the options,
// the folders) is the host it is made over.
class GivenFilesHost : public ConversionHost {
  public:
    struct File {
        std::string path, name;
    };
    GivenFilesHost(ConversionHost& rest, ListId source, std::vector<File> files);

    // Whether the batch left the file at `index` selected, that is, never reached it.
    bool StillSelected(std::size_t index) const { return selected_[index]; }

    int EntryCount(ListId list) override;
    bool EntrySelected(ListId list, int position) override;
    std::string EntryName(ListId list, int position) override;
    std::string EntryPath(ListId list, int position) override;
    void DeselectEntry(ListId list, int position) override;
    MsgButton AskYesNo(QuestionKind kind, const TextLines& text, const std::string& title,
                       MsgIcon icon, MsgButton defaultButton) override;
    void Tell(QuestionKind kind, const TextLines& text, const std::string& title,
              MsgIcon icon) override;
    void BeginBusy() override { rest_.BeginBusy(); }
    void EndBusy() override { rest_.EndBusy(); }
    void RefillList(ListId list, const std::string& dirWithSeparator, const std::string& mask,
                    bool append) override;
    std::string DirectoryText(ListId pane) override { return rest_.DirectoryText(pane); }
    int OptionState(OptionId option) override { return rest_.OptionState(option); }
    void EntryDone(ListId list, int position, const FileOutcome& outcome) override;
    bool LaterBatchesFollow() override { return rest_.LaterBatchesFollow(); }

  private:
    bool Given(ListId list, int position) const;

    ConversionHost& rest_;
    ListId source_;
    std::vector<File> files_;
    std::vector<bool> selected_;
};

}  // namespace tunewrap
