#pragma once
#include <string>

namespace tunewrap {

enum class ListId { MP3 = 0, BMU = 1 };  // lvwMP3List / txtMP3Dir, lvwBMUList / txtBMUDir
enum class OptionId { OverwriteAll, PreserveFileDateTime, WAVExtension };
enum class MsgIcon { Question, Exclamation };
enum class MsgButton { Yes, No };

// What became of one selected entry, for callers that report per file (the command line).
struct FileOutcome {
    enum class Kind { Converted, SkippedExists, SkippedUnsuitable, Failed, Cancelled };
    std::string sourceName;
    std::string destinationPath;
    Kind kind = Kind::Converted;
    std::string reason;  // Failed: why
};

// What the batch jobs need of the window. Positions are 1-based, in displayed order.
class ConversionHost {
  public:
    virtual ~ConversionHost() = default;

    virtual int EntryCount(ListId list) = 0;
    virtual bool EntrySelected(ListId list, int position) = 0;
    virtual std::string EntryName(ListId list, int position) = 0;
    virtual void DeselectEntry(ListId list, int position) = 0;
    virtual MsgButton AskYesNo(const std::string& text, const std::string& title, MsgIcon icon,
                               MsgButton defaultButton) = 0;
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
    // dirWithSeparator is the directory text followed by one separator.
    virtual void RefillList(ListId list, const std::string& dirWithSeparator,
                            const std::string& mask, bool append) = 0;
    virtual std::string DirectoryText(ListId pane) = 0;
    virtual int OptionState(OptionId option) = 0;  // 0 unchecked, 1 checked
    // Called as soon as an entry's conversion is over (before any question about going on), so
    // that a host can report each file the moment it is done.
    virtual void EntryDone(ListId /*list*/, int /*position*/, const FileOutcome& /*outcome*/) {}
};

}  // namespace tunewrap
