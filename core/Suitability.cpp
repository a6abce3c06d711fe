#include "Suitability.h"

#include "AsciiCase.h"
#include "MP3Utils.h"
#include "ResRef.h"
#include "mdlString.h"

namespace tunewrap {

namespace {

using Kind = SuitabilityIssue::Kind;

constexpr Expectation kMusic{128, true, "stereo"};
constexpr Expectation kWavNamed{96, false, "mono"};

constexpr std::int32_t kHzPerKHz = 1000;
// The game keeps 16 characters of a name; ".mp3" makes 20.
constexpr std::size_t kLongestName = 20;

// Characters, not bytes: a name with accents is not longer for them.
std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (mdlString::StartsCharacter(c)) ++count;
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

// The name without its extension, as the game would look it up (in any case).
std::string GameNameOf(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return game::AsciiLowered(fileName.substr(0, dot == 0 ? std::string::npos : dot));
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
    auto add = [&report](SuitabilityIssue issue) { report.issues.push_back(issue); };

    // Without MPEG-1 Layer III audio the values are not the file's: saying so is all there is.
    if (!values.audio.IsMpeg1Layer3()) {
        add({.kind = Kind::Audio, .audio = values.audio});
    } else {
        if (values.vbr) {
            add({.kind = Kind::VariableBitRate});
        } else if (values.bitRate != expected.bitRate) {
            add({.kind = Kind::BitRate,
                 .expectedBitRate = expected.bitRate,
                 .bitRate = values.bitRate});
        }
        if (values.stereo != expected.stereo) {
            add({.kind = Kind::Channel, .stereoExpected = expected.stereo});
        }
        if (values.samplingFrequency != kExpectedSamplingFrequency) {
            add({.kind = Kind::Sampling, .samplingFrequency = values.samplingFrequency});
        }
    }
    if (CharacterCount(fileName) > kLongestName) {
        add({.kind = Kind::LongName});
    } else if (!game::IsValidResRef(GameNameOf(fileName))) {
        add({.kind = Kind::NotGameName});
    }
    return report;
}

bool SuitabilityReport::WarningWanted() const {
    for (const SuitabilityIssue& issue : issues) {
        if (issue.kind != Kind::LongName && issue.kind != Kind::NotGameName) return true;
    }
    return false;
}

std::string IssueLine(const SuitabilityIssue& issue) {
    switch (issue.kind) {
        case Kind::Audio:
            return AudioLine(issue.audio);
        case Kind::VariableBitRate:
            return "- Bit Rate is not Constant - Variable Bit Rate reported";
        case Kind::BitRate:
            return "- Bit Rate is not " +
                   mdlString::TrimmedStr(std::int32_t{issue.expectedBitRate}) + " kbps - " +
                   BitRateText(issue.bitRate, "kbps") + " reported";
        case Kind::Channel:
            return std::string("- Channel mode is not ") +
                   (issue.stereoExpected ? kMusic : kWavNamed).channelWord;
        case Kind::Sampling:
            return "- Sampling Frequency is not 44.1 kHz - " +
                   mdlString::TrimmedStr(issue.samplingFrequency / kHzPerKHz) + " kHz reported";
        case Kind::LongName:
            return "- file name (excluding '.mp3') is longer than 16 characters";
        case Kind::NotGameName:
            return "- file name (excluding '.mp3') has characters other than a-z, 0-9 and _";
    }
    return {};
}

TextLines WarningLines(const std::string& fileName, const SuitabilityReport& report) {
    TextLines lines{"Warning! '" + fileName + "'",
                    "has the following potential issues if you convert it to a BMU:", ""};
    for (const SuitabilityIssue& issue : report.issues) lines.push_back(IssueLine(issue));
    lines.push_back("");
    lines.push_back("Do you wish to continue?");
    return lines;
}

std::string WarningText(const std::string& fileName, const SuitabilityReport& report) {
    return JoinLines(WarningLines(fileName, report), kBoxLineEnd);
}

}  // namespace tunewrap
