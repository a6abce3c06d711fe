// Linked only while the core library has no batch jobs yet (see CMakeLists.txt): the convert
// buttons then do nothing, and everything else of the window can be built and tested.
#include "BatchConvert.h"

namespace tunewrap {

std::vector<FileOutcome> ConvertToBMU(ConversionHost&, ProgressSink&) {
    return {};
}
std::vector<FileOutcome> ConvertToMP3(ConversionHost&, ProgressSink&) {
    return {};
}

}  // namespace tunewrap
