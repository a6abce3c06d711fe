#include "AudioFacts.h"

#include <cmath>

#include "BmuFile.h"
#include "FileIo.h"
#include "MP3Utils.h"
#include "UiText.h"
#include "mdlString.h"

namespace tunewrap {

namespace {

constexpr double kSamplesPerFrame = 1152.0;  // MPEG-1 Layer III
constexpr double kBitsPerKilobit = 1000.0;
constexpr int kSecondsPerMinute = 60;
constexpr std::int32_t kHzPerKHz = 1000;
// Free format and the forbidden index name no rate a length could be told from.
constexpr std::int16_t kFreeFormat = 0;
constexpr std::int16_t kForbidden = 999;

bool Mp3Audio(const AudioFacts& facts) {
    return facts.read && facts.header.audio.IsMpeg1Layer3();
}

std::string LengthText(const AudioFacts& facts) {
    if (facts.seconds <= 0.0) return {};
    const auto whole = static_cast<std::int64_t>(std::lround(facts.seconds));
    const std::int64_t seconds = whole % kSecondsPerMinute;
    return (facts.lengthEstimated ? "~" : "") + std::to_string(whole / kSecondsPerMinute) +
           (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
}

std::string BitRateCell(const AudioFacts& facts) {
    if (!facts.header.vbr) return BitRateText(facts.header.bitRate, "kbit/s");
    //: variable bit rate
    if (facts.averageBitRate == 0) return platform::Tr("AudioFacts", "VBR");
    return platform::Filled(platform::Tr("AudioFacts", "VBR %1 kbit/s"),
                            {mdlString::TrimmedStr(facts.averageBitRate)});
}

std::string KilohertzText(std::int32_t hz) {
    const std::string whole = mdlString::TrimmedStr(hz / kHzPerKHz);
    const std::int32_t tenths = hz % kHzPerKHz / (kHzPerKHz / 10);
    return tenths == 0 ? whole : whole + "." + mdlString::TrimmedStr(tenths);
}

}  // namespace

AudioFacts ReadAudioFacts(const std::string& path) {
    AudioFacts facts;
    MP3Utils reader;
    const ContainerProbe probe = ScanAudio(path, reader);
    std::int64_t size = 0;
    platform::FileTime modified;
    if (!probe.read() || !platform::SizeAndModified(path, size, modified)) return facts;
    facts.read = true;
    facts.header = {reader.BitRate(), reader.Stereo(), reader.SamplingFrequency(), reader.VBR(),
                    reader.Audio()};
    facts.channelMode = reader.ChannelMode();
    if (!reader.Audio().IsMpeg1Layer3()) return facts;
    const std::int64_t container = probe.kind == Container::Bmu ? kBmuHeaderSize : 0;
    const double audioBytes =
        static_cast<double>(size - container - static_cast<std::int64_t>(reader.FirstFrame()));
    const double hz = reader.SamplingFrequency();
    const std::int16_t bitRate = reader.BitRate();
    if (reader.FrameCount() > 0 && hz > 0) {
        facts.seconds = reader.FrameCount() * kSamplesPerFrame / hz;
        if (reader.VBR()) {
            facts.averageBitRate = static_cast<std::int32_t>(
                std::lround(audioBytes * 8 / facts.seconds / kBitsPerKilobit));
        }
    } else if (bitRate != kFreeFormat && bitRate != kForbidden && audioBytes > 0) {
        // The frames at a constant rate fill the audio bytes; at a varying one the first frame's
        // rate is only a guess.
        facts.seconds = audioBytes * 8 / (bitRate * kBitsPerKilobit);
        facts.lengthEstimated = reader.VBR();
    }
    return facts;
}

bool JudgedAsWav(ListId list, std::string_view fileName, bool wavOption) {
    return list == ListId::MP3 ? wavOption : HasExtension(fileName, kWavExtension);
}

Verdict Judge(const std::string& fileName, const AudioFacts& facts, bool renameWav) {
    if (!facts.read) return {};
    const SuitabilityReport report = CheckSuitability(fileName, facts.header, renameWav);
    Verdict verdict{true, !report.WarningWanted(), {}};
    for (const SuitabilityIssue& issue : report.issues) verdict.lines.push_back(IssueLine(issue));
    return verdict;
}

std::string FactText(const AudioFacts& facts, const Verdict& verdict, FactColumn column) {
    if (column == FactColumn::Verdict) {
        if (!verdict.known) return {};
        return verdict.suitable ? platform::Tr("AudioFacts", "suitable")
                                : platform::Tr("AudioFacts", "unsuitable");
    }
    if (!Mp3Audio(facts)) return {};
    switch (column) {
        case FactColumn::Length:
            return LengthText(facts);
        case FactColumn::BitRate:
            return BitRateCell(facts);
        case FactColumn::Kilohertz:
            return KilohertzText(facts.header.samplingFrequency);
        case FactColumn::Channels:
            return platform::Tr("MP3Utils", ChannelModeName(facts.channelMode));
        case FactColumn::Verdict:
            break;
    }
    return {};
}

double FactKey(const AudioFacts& facts, const Verdict& verdict, FactColumn column) {
    if (column == FactColumn::Verdict) return verdict.known ? (verdict.suitable ? 0 : 1) : -1;
    if (!Mp3Audio(facts)) return -1;
    const double values[] = {
        facts.seconds,
        double(facts.averageBitRate != 0 ? facts.averageBitRate : facts.header.bitRate),
        double(facts.header.samplingFrequency), double(facts.channelMode)};
    return values[static_cast<int>(column)];
}

}  // namespace tunewrap
