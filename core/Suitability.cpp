#include "Suitability.h"

#include "AsciiCase.h"
#include "MP3Utils.h"
#include "ResRef.h"
#include "UiText.h"
#include "mdlString.h"

namespace tunewrap {

namespace {

using Kind = SuitabilityIssue::Kind;

constexpr Expectation kMusic{128, true,
                             TW_TRANSLATE_NOOP("Suitability", "- Channel mode is not stereo")};
constexpr Expectation kWavNamed{96, false,
                                TW_TRANSLATE_NOOP("Suitability", "- Channel mode is not mono")};

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
    if (!audio.found) {
        //: %1 is the kind of audio, such as "MPEG-1 Layer III"
        return platform::Filled(platform::Tr("Suitability", "- No %1 audio found"),
                                {MpegAudioName(wanted)});
    }
    std::string expected;
    if (audio.version != wanted.version) expected = MpegVersionName(wanted.version);
    if (audio.layer != wanted.layer) {
        expected +=
            (expected.empty() ? "" : " ") + platform::Tr("MP3Utils", MpegLayerName(wanted.layer));
    }
    //: %1 is the kind of audio found, %2 the MPEG version and/or layer the game wants instead
    return platform::Filled(platform::Tr("Suitability", "- %1 audio found; the game expects %2"),
                            {MpegAudioName(audio), expected});
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
            return platform::Tr("Suitability",
                                "- Bit Rate is not Constant - Variable Bit Rate reported");
        case Kind::BitRate:
            //: %2 is the bit rate read, such as "96 kbps" or "free format"
            return platform::Filled(
                platform::Tr("Suitability", "- Bit Rate is not %1 kbps - %2 reported"),
                {mdlString::TrimmedStr(std::int32_t{issue.expectedBitRate}),
                 BitRateText(issue.bitRate, "kbps")});
        case Kind::Channel:
            return platform::Tr("Suitability",
                                (issue.stereoExpected ? kMusic : kWavNamed).channelLine);
        case Kind::Sampling:
            return platform::Filled(
                platform::Tr("Suitability",
                             "- Sampling Frequency is not 44.1 kHz - %1 kHz reported"),
                {mdlString::TrimmedStr(issue.samplingFrequency / kHzPerKHz)});
        case Kind::LongName:
            return platform::Tr("Suitability",
                                "- file name (excluding '.mp3') is longer than 16 characters");
        case Kind::NotGameName:
            return platform::Tr(
                "Suitability",
                "- file name (excluding '.mp3') has characters other than a-z, 0-9 and _");
    }
    return {};
}

TextLines WarningLines(const std::string& fileName, const SuitabilityReport& report) {
    TextLines lines{platform::Filled(platform::Tr("Suitability", "Warning! '%1'"), {fileName}),
                    platform::Tr("Suitability",
                                 "has the following potential issues if you convert it to a BMU:"),
                    ""};
    for (const SuitabilityIssue& issue : report.issues) lines.push_back(IssueLine(issue));
    lines.push_back("");
    lines.push_back(platform::Tr("Suitability", "Do you wish to continue?"));
    return lines;
}

std::string WarningText(const std::string& fileName, const SuitabilityReport& report) {
    return JoinLines(WarningLines(fileName, report), kBoxLineEnd);
}

}  // namespace tunewrap
