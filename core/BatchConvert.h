#pragma once
#include <string>
#include <vector>

#include "ConversionHost.h"
#include "ProgressSink.h"

namespace tunewrap {

// What became of one selected entry, for callers that report per file (the command line).
struct FileOutcome {
    enum class Kind { Converted, SkippedExists, SkippedUnsuitable, Failed, Cancelled };
    std::string sourceName;
    std::string destinationPath;
    Kind kind = Kind::Converted;
    std::string reason;  // Failed: the OS's reason
};

// The jobs behind "To .BMU ->" and "<- To .MP3": every selected entry of the source list, in
// list order, with the overwrite question, (to BMU) the suitability warning, the copy and the
// deselection; then the destination list is refilled and the window released.
std::vector<FileOutcome> ConvertToBMU(ConversionHost& host, ProgressSink& sink);
std::vector<FileOutcome> ConvertToMP3(ConversionHost& host, ProgressSink& sink);

}  // namespace tunewrap
