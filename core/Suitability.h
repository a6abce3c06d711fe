#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ConversionHost.h"
#include "MP3Utils.h"

namespace tunewrap {

// One failed test and the values its line names.
struct SuitabilityIssue {
    enum class Kind { Audio, VariableBitRate, BitRate, Channel, Sampling, LongName, NotGameName };
    Kind kind = Kind::Audio;
    MpegAudio audio{};                   // Audio: what was found instead of MPEG-1 Layer III
    std::int16_t expectedBitRate = 0;    // BitRate, in kbit/s
    std::int16_t bitRate = 0;            // BitRate: as read
    bool stereoExpected = false;         // Channel
    std::int32_t samplingFrequency = 0;  // Sampling: as read, in Hz
};

// What the game plays well: music, or (renameWav) sound effects and voice-over.
struct Expectation {
    std::int16_t bitRate;  // kbit/s, constant
    bool stereo;
    const char* channelLine;  // the warning's line for a file of the other channel mode
};
inline constexpr std::int32_t kExpectedSamplingFrequency = 44100;
const Expectation& ExpectedFormat(bool renameWav);

struct SuitabilityReport {
    // In test order. Without MPEG-1 Layer III audio the other header tests are not run.
    std::vector<SuitabilityIssue> issues;
    // A long name, or one the game cannot take as a resource name, is listed, but alone asks for
    // no warning.
    bool WarningWanted() const;
};

// The issue's line as the warning lists it, without a line end.
std::string IssueLine(const SuitabilityIssue& issue);

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
// The warning box's text as lines; WarningText joins them with the box's line ends.
TextLines WarningLines(const std::string& fileName, const SuitabilityReport& report);
std::string WarningText(const std::string& fileName, const SuitabilityReport& report);

}  // namespace tunewrap
