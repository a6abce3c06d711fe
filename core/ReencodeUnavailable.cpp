// Stands in for Reencode.cpp where its libraries are not built.
#include "Reencode.h"

#include "UiText.h"

namespace tunewrap {

bool ReencodeAvailable() {
    return false;
}

ConvertResult ReencodeFile(const std::string&, const std::string&, bool, ProgressSink&,
                           std::string_view, bool) {
    return {ConvertResult::Status::Failed, platform::Tr("Reencoding", kReencodeUnavailableReason)};
}

ConvertResult ReencodeOpenFile(platform::ReadOnlyFile&, FileByteSource&, const std::string&,
                               const std::string&, bool, ProgressSink&, std::string_view, bool) {
    return {ConvertResult::Status::Failed, platform::Tr("Reencoding", kReencodeUnavailableReason)};
}

}  // namespace tunewrap
