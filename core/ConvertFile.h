#pragma once
#include <string>
#include <string_view>

#include "FailureReasons.h"
#include "ProgressSink.h"
#include "SystemTimer.h"

namespace platform {
class ReadOnlyFile;
}

namespace tunewrap {

inline constexpr std::size_t kBlockSize = 4096;
// More than this many whole blocks opens the progress dialog before the first block.
inline constexpr std::int64_t kLargeBlockCount = 240;
inline constexpr std::int32_t kSlowCopyMs = 3000;
// Why a source is refused that gives more bytes than its size says (the files of /proc).
inline constexpr const char* kSizeUnknownReason = TW_TRANSLATE_NOOP(
    "ConvertFile", "The file's size is not known before it is read (as with the files in /proc)");

struct ConvertResult {
    enum class Status { Converted, Cancelled, Failed };
    Status status = Status::Converted;
    std::string reason;  // the OS's reason when Failed
    bool ok() const { return status == Status::Converted; }
};

// Wraps an MP3 file into a BMU file (header + bytes) / unwraps a BMU file (drops 8 bytes).
// The destination appears under its final name only when complete, holding this conversion's
// whole output even when other conversions write the same destination at the same time; a
// cancelled or failed copy leaves nothing behind and an existing destination untouched. The
// source is only read.
ConvertResult ConvertFileToBMU(const std::string& sourcePath, const std::string& destinationPath,
                               const std::string& sourceFileName, bool preserveFileDateTime,
                               ProgressSink& sink, SystemTimer& stopwatch);
ConvertResult ConvertFileToMP3(const std::string& sourcePath, const std::string& destinationPath,
                               const std::string& sourceFileName, bool preserveFileDateTime,
                               ProgressSink& sink, SystemTimer& stopwatch);

enum class Conversion { ToBmu, ToMp3 };

// The same from a source the caller has opened and already read the first bytes of (`read`): the
// copy writes those first and goes on from the file's position right behind them, so nothing is
// read twice. What the source was when it was opened is what it must still be when copied.
ConvertResult ConvertOpenFile(Conversion conversion, platform::ReadOnlyFile& source,
                              std::string_view read, const std::string& destinationPath,
                              const std::string& sourceFileName, bool preserveFileDateTime,
                              ProgressSink& sink, SystemTimer& stopwatch);

}  // namespace tunewrap
