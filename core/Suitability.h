#pragma once
#include <string>

class MP3Utils;

namespace tunewrap {

struct SuitabilityReport {
    bool bitRateIssue = false;
    bool channelIssue = false;
    bool samplingIssue = false;
    std::string issueLines;  // one line per issue, each ending in "\r\n"
    bool WarningWanted() const { return bitRateIssue || channelIssue || samplingIssue; }
};

// renameWav selects the .wav expectation (96 kbit/s mono) instead of music (128 kbit/s stereo).
SuitabilityReport CheckSuitability(const std::string& fileName, const MP3Utils& reader,
                                   bool renameWav);
std::string WarningText(const std::string& fileName, const SuitabilityReport& report);

}  // namespace tunewrap
