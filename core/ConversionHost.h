#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "PathJoin.h"

namespace tunewrap {

enum class ListId { MP3 = 0, BMU = 1 };  // lvwMP3List / txtMP3Dir, lvwBMUList / txtBMUDir
// The options the window shows as check boxes, in the order it has always stored them;
// Options.h says what each one is.
enum class OptionId {
    WAVExtension,
    OverwriteAll,
    PreserveFileDateTime,
    ReencodeUnsuitable,
    GameNames,
    Count
};
enum class MsgIcon { Question, Exclamation };
enum class MsgButton { Yes, No };
// What a question is about, so that a face answers it by meaning, not by its title's wording.
enum class QuestionKind { FileExists, Unsuitable, ConversionFailed, ConfirmDelete };

// A question's text, one entry per line; an empty entry is a blank line. Each face joins the
// lines with its own line end; a Windows message box takes them joined by kBoxLineEnd.
using TextLines = std::vector<std::string>;
inline constexpr std::string_view kBoxLineEnd = "\r\n";

inline std::string JoinLines(const TextLines& lines, std::string_view lineEnd) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0) text += lineEnd;
        text += lines[i];
    }
    return text;
}

// What became of one selected entry, for callers that report per file (the command line).
struct FileOutcome {
    enum class Kind { Converted, SkippedExists, SkippedUnsuitable, Failed, Cancelled };
    std::string sourceName;
    std::string destinationPath;
    Kind kind = Kind::Converted;
    std::string reason;      // Failed: why
    bool reencoded = false;  // Converted: the MP3 was unsuitable and re-encoded, not copied
};

// What the batch jobs need of the window. Positions are 1-based, in displayed order.
class ConversionHost {
  public:
    virtual ~ConversionHost() = default;

    virtual int EntryCount(ListId list) = 0;
    virtual bool EntrySelected(ListId list, int position) = 0;
    virtual std::string EntryName(ListId list, int position) = 0;
    // Where the entry's file is: in the pane's folder, unless the host's entries come from
    // elsewhere (files dropped from another folder).
    virtual std::string EntryPath(ListId list, int position) {
        return platform::JoinPath(DirectoryText(list), EntryName(list, position));
    }
    virtual void DeselectEntry(ListId list, int position) = 0;
    virtual MsgButton AskYesNo(QuestionKind kind, const TextLines& text, const std::string& title,
                               MsgIcon icon, MsgButton defaultButton) = 0;
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
    // What there is nothing to decide about, such as why the last file failed. The window shows
    // it; the command line has said it in the file's line already.
    virtual void Tell(QuestionKind /*kind*/, const TextLines& /*text*/,
                      const std::string& /*title*/, MsgIcon /*icon*/) {}
    // True when files of a later batch of the same run wait after this batch's last entry.
    virtual bool LaterBatchesFollow() { return false; }
};

}  // namespace tunewrap
