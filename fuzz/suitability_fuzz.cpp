// The suitability tests and the warning text over arbitrary reader values and file names.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "Suitability.h"

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
    using Kind = tunewrap::SuitabilityIssue::Kind;
    auto has = [&report](Kind kind) {
        return std::any_of(report.issues.begin(), report.issues.end(),
                           [kind](const auto& issue) { return issue.kind == kind; });
    };
    const bool audio = values.audio.IsMpeg1Layer3();
    const std::int16_t expectedRate = renameWav ? 96 : 128;
    FUZZ_CHECK(has(Kind::Audio) == !audio);
    FUZZ_CHECK(has(Kind::VariableBitRate) == (audio && values.vbr));
    FUZZ_CHECK(has(Kind::BitRate) == (audio && !values.vbr && values.bitRate != expectedRate));
    FUZZ_CHECK(has(Kind::Channel) == (audio && values.stereo == renameWav));
    FUZZ_CHECK(has(Kind::Sampling) == (audio && values.samplingFrequency != 44100));
    FUZZ_CHECK(report.WarningWanted() == (report.issues.size() > (has(Kind::LongName) ? 1u : 0u)));
    // Each test at most once, in test order.
    for (std::size_t i = 1; i < report.issues.size(); ++i) {
        FUZZ_CHECK(report.issues[i - 1].kind < report.issues[i].kind);
    }

    // The name line, the introduction, a blank line, one line per issue, a blank line, the
    // question.
    std::string lines;
    for (const auto& issue : report.issues) lines += tunewrap::IssueLine(issue) + "\r\n";
    if (values.vbr) FUZZ_CHECK(lines.find(" kbps reported") == std::string::npos);
    const std::string text = tunewrap::WarningText(name, report);
    FUZZ_CHECK(text.rfind("Warning! '" + name + "'\r\n", 0) == 0);
    FUZZ_CHECK(text.ends_with(":\r\n\r\n" + lines + "\r\nDo you wish to continue?"));
    return 0;
}
