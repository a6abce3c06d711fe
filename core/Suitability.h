#pragma once
#include <cstdint>
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

// What the tests look at of a reader that has read the file (a new reader's values by default).
struct HeaderValues {
    std::int16_t bitRate = 0;
    bool stereo = false;
    std::int32_t samplingFrequency = 44100;
    bool vbr = false;
};

// renameWav selects the .wav expectation (96 kbit/s mono) instead of music (128 kbit/s stereo).
SuitabilityReport CheckSuitability(const std::string& fileName, const MP3Utils& reader,
                                   bool renameWav);
SuitabilityReport CheckSuitability(const std::string& fileName, const HeaderValues& values,
                                   bool renameWav);
std::string WarningText(const std::string& fileName, const SuitabilityReport& report);

}  // namespace tunewrap
