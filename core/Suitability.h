#pragma once
#include <cstdint>
#include <string>

#include "MP3Utils.h"

namespace tunewrap {

// What the game plays well: music, or (renameWav) sound effects and voice-over.
struct Expectation {
    std::int16_t bitRate;  // kbit/s, constant
    bool stereo;
    const char* channelWord;
};
inline constexpr std::int32_t kExpectedSamplingFrequency = 44100;
const Expectation& ExpectedFormat(bool renameWav);

struct SuitabilityReport {
    bool audioIssue = false;  // no MPEG-1 Layer III audio: the other tests are not run
    bool bitRateIssue = false;
    bool channelIssue = false;
    bool samplingIssue = false;
    std::string issueLines;  // one line per issue, each ending in "\r\n"
    bool WarningWanted() const {
        return audioIssue || bitRateIssue || channelIssue || samplingIssue;
    }
};

// What the tests look at of a reader that has read the file (a new reader's numbers by default,
// as if they had been read from MPEG-1 Layer III audio).
struct HeaderValues {
    std::int16_t bitRate = 0;
    bool stereo = false;
    std::int32_t samplingFrequency = 44100;
    bool vbr = false;
    MpegAudio audio = kMpeg1Layer3Audio;
};

// renameWav selects the .wav expectation (96 kbit/s mono) instead of music (128 kbit/s stereo).
SuitabilityReport CheckSuitability(const std::string& fileName, const MP3Utils& reader,
                                   bool renameWav);
SuitabilityReport CheckSuitability(const std::string& fileName, const HeaderValues& values,
                                   bool renameWav);
std::string WarningText(const std::string& fileName, const SuitabilityReport& report);

}  // namespace tunewrap
