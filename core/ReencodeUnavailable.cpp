// Stands in for Reencode.cpp where its libraries are not built.
#include "Reencode.h"

namespace tunewrap {

bool ReencodeAvailable() {
    return false;
}

ConvertResult ReencodeFile(const std::string&, const std::string&, bool, ProgressSink&,
                           std::string_view, bool) {
    return {ConvertResult::Status::Failed, kReencodeUnavailableReason};
}

ConvertResult ReencodeOpenFile(platform::ReadOnlyFile&, FileByteSource&, const std::string&,
                               const std::string&, bool, ProgressSink&, std::string_view, bool) {
    return {ConvertResult::Status::Failed, kReencodeUnavailableReason};
}

}  // namespace tunewrap
