#include "Suitability.h"

#include "MP3Utils.h"
#include "mdlString.h"

namespace tunewrap {

namespace {

constexpr const char* kLineEnd = "\r\n";

constexpr Expectation kMusic{128, true, "stereo"};
constexpr Expectation kWavNamed{96, false, "mono"};

constexpr std::int32_t kHzPerKHz = 1000;
// The game keeps 16 characters of a name; ".mp3" makes 20.
constexpr std::size_t kLongestName = 20;

// Characters, not bytes: a name with accents is not longer for them.
std::size_t CharacterCount(const std::string& text) {
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuationBits = 0x80;
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & kContinuationMask) != kContinuationBits) ++count;
    }
    return count;
}

// Names what the found audio has where the game wants something else.
std::string AudioLine(const MpegAudio& audio) {
    const MpegAudio wanted = kMpeg1Layer3Audio;
    if (!audio.found) return "- No " + MpegAudioName(wanted) + " audio found";
    std::string expected;
    if (audio.version != wanted.version) expected = MpegVersionName(wanted.version);
    if (audio.layer != wanted.layer) {
        expected += (expected.empty() ? "" : " ") + std::string(MpegLayerName(wanted.layer));
    }
    return "- " + MpegAudioName(audio) + " audio found; the game expects " + expected;
}

}  // namespace

const Expectation& ExpectedFormat(bool renameWav) {
    return renameWav ? kWavNamed : kMusic;
}

SuitabilityReport CheckSuitability(const std::string& fileName, const MP3Utils& reader,
                                   bool renameWav) {
    return CheckSuitability(fileName,
                            HeaderValues{reader.BitRate(), reader.Stereo(),
                                         reader.SamplingFrequency(), reader.VBR(), reader.Audio()},
                            renameWav);
}

SuitabilityReport CheckSuitability(const std::string& fileName, const HeaderValues& values,
                                   bool renameWav) {
    const Expectation& expected = ExpectedFormat(renameWav);
    SuitabilityReport report;
    auto addLine = [&report](const std::string& line) { report.issueLines += line + kLineEnd; };

    // Without MPEG-1 Layer III audio the values are not the file's: saying so is all there is.
    if (!values.audio.IsMpeg1Layer3()) {
        report.audioIssue = true;
        addLine(AudioLine(values.audio));
    } else {
        if (values.vbr) {
            report.bitRateIssue = true;
            addLine("- Bit Rate is not Constant - Variable Bit Rate reported");
        } else if (values.bitRate != expected.bitRate) {
            report.bitRateIssue = true;
            addLine("- Bit Rate is not " + mdlString::TrimmedStr(std::int32_t{expected.bitRate}) +
                    " kbps - " + BitRateText(values.bitRate, "kbps") + " reported");
        }
        if (values.stereo != expected.stereo) {
            report.channelIssue = true;
            addLine(std::string("- Channel mode is not ") + expected.channelWord);
        }
        if (values.samplingFrequency != kExpectedSamplingFrequency) {
            report.samplingIssue = true;
            addLine("- Sampling Frequency is not 44.1 kHz - " +
                    mdlString::TrimmedStr(values.samplingFrequency / kHzPerKHz) + " kHz reported");
        }
    }
    if (CharacterCount(fileName) > kLongestName) {
        addLine("- file name (excluding '.mp3') is longer than 16 characters");
    }
    return report;
}

std::string WarningText(const std::string& fileName, const SuitabilityReport& report) {
    return "Warning! '" + fileName + "'" + kLineEnd +
           "has the following potential issues if you convert it to a BMU:" + kLineEnd + kLineEnd +
           report.issueLines + kLineEnd + "Do you wish to continue?";
}

}  // namespace tunewrap
