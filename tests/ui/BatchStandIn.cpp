// Until the batch jobs are in the core library, the window's convert buttons link against these
// weak stand-ins; the real jobs replace them as soon as they are there.
#include "BatchConvert.h"

namespace tunewrap {

__attribute__((weak)) std::vector<FileOutcome> ConvertToBMU(ConversionHost&, ProgressSink&) {
    return {};
}
__attribute__((weak)) std::vector<FileOutcome> ConvertToMP3(ConversionHost&, ProgressSink&) {
    return {};
}

}  // namespace tunewrap
