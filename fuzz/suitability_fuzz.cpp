// The suitability tests and the warning text over arbitrary reader values and file names.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "Suitability.h"

namespace {

std::size_t CountLines(const std::string& lines) {
    std::size_t count = 0;
    for (std::size_t at = lines.find("\r\n"); at != std::string::npos;
         at = lines.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tunewrap::HeaderValues values;
    values.bitRate = input.ConsumeIntegral<std::int16_t>();
    values.stereo = input.ConsumeBool();
    values.samplingFrequency = input.ConsumeIntegral<std::int32_t>();
    values.vbr = input.ConsumeBool();
    values.audio = {
        input.ConsumeBool(),
        input.PickValueInArray({MpegVersion::Mpeg1, MpegVersion::Mpeg2, MpegVersion::Mpeg25}),
        input.PickValueInArray({MpegLayer::Layer3, MpegLayer::Layer2, MpegLayer::Layer1})};
    const bool renameWav = input.ConsumeBool();
    const std::string name = input.ConsumeRemainingBytesAsString();

    const tunewrap::SuitabilityReport report = tunewrap::CheckSuitability(name, values, renameWav);
    // Without MPEG-1 Layer III audio that is the one issue; else each test follows its rule.
    const bool audio = values.audio.IsMpeg1Layer3();
    const std::int16_t expectedRate = renameWav ? 96 : 128;
    FUZZ_CHECK(report.audioIssue == !audio);
    FUZZ_CHECK(report.bitRateIssue == (audio && (values.vbr || values.bitRate != expectedRate)));
    FUZZ_CHECK(report.channelIssue == (audio && values.stereo == renameWav));
    FUZZ_CHECK(report.samplingIssue == (audio && values.samplingFrequency != 44100));
    FUZZ_CHECK(report.WarningWanted() == (report.audioIssue || report.bitRateIssue ||
                                          report.channelIssue || report.samplingIssue));

    // One line per issue plus at most the name line; every line ends where it should.
    const std::size_t issues =
        report.audioIssue + report.bitRateIssue + report.channelIssue + report.samplingIssue;
    const std::size_t lines = CountLines(report.issueLines);
    FUZZ_CHECK(lines == issues || lines == issues + 1);
    FUZZ_CHECK(report.issueLines.empty() || EndsWith(report.issueLines, "\r\n"));
    if (values.vbr) FUZZ_CHECK(report.issueLines.find(" kbps reported") == std::string::npos);

    const std::string text = tunewrap::WarningText(name, report);
    FUZZ_CHECK(text.rfind("Warning! '" + name + "'\r\n", 0) == 0);
    FUZZ_CHECK(text.find(report.issueLines) != std::string::npos);
    FUZZ_CHECK(EndsWith(text, "\r\nDo you wish to continue?"));
    return 0;
}
