#include "CliInfoCommand.h"

#include <nlohmann/json.hpp>

#include "BmuFile.h"
#include "CliQuestions.h"
#include "MP3Utils.h"
#include "PathJoin.h"
#include "Suitability.h"
#include "Terminal.h"

namespace tunewrap::cli {
namespace {

// Keys stay in the order a reader expects them: file first, issues last.
using json = nlohmann::ordered_json;

struct FileInfo {
    std::string file;
    bool read = false;
    std::string error;
    MP3Utils reader;
    SuitabilityReport report;
    std::vector<std::string> issues;
};

void Inspect(FileInfo& info, bool renameWav) {
    const ContainerProbe scan = ScanAudio(info.file, info.reader);
    info.read = scan.read();
    if (!info.read) {
        info.error = scan.error;
        return;
    }
    // The name length test counts the name as a list shows it, without its directory.
    std::string dir, name;
    platform::SplitPath(info.file, dir, name);
    info.report = CheckSuitability(name, info.reader, renameWav);
    for (const SuitabilityIssue& issue : info.report.issues) {
        info.issues.push_back(IssueLine(issue));
    }
}

// The audio found, or null; the header values only when they are those of MPEG-1 Layer III.
json AsJson(const FileInfo& info) {
    if (!info.read) return {{"file", info.file}, {"error", info.error}};
    const MP3Utils& r = info.reader;
    json entry = {{"file", info.file}};
    entry["audio"] = r.Audio().found ? json(MpegAudioName(r.Audio())) : json(nullptr);
    if (r.Audio().IsMpeg1Layer3()) {
        entry["bit_rate"] = r.BitRate();
        entry["bit_rate_text"] = BitRateText(r.BitRate(), "kbit/s");
        entry["sampling_frequency"] = r.SamplingFrequency();
        entry["channel_mode"] = r.ChannelMode();
        entry["stereo"] = r.Stereo();
        entry["crc"] = r.CRC();
        entry["vbr"] = r.VBR();
    }
    entry["suitable"] = !info.report.WarningWanted();
    entry["issues"] = info.issues;
    return entry;
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

void PrintText(const FileInfo& info, std::FILE* out) {
    std::fprintf(out, "%s\n", platform::ShownOn(out, info.file).c_str());
    if (!info.read) {
        std::fprintf(out, "  error: %s\n", info.error.c_str());
        return;
    }
    const MP3Utils& r = info.reader;
    std::fprintf(out, "  audio:              %s\n", MpegAudioName(r.Audio()).c_str());
    if (r.Audio().IsMpeg1Layer3()) {
        std::fprintf(out, "  bit rate:           %s\n", BitRateText(r.BitRate(), "kbit/s").c_str());
        std::fprintf(out, "  sampling frequency: %d Hz\n", static_cast<int>(r.SamplingFrequency()));
        std::fprintf(out, "  channel mode:       %s (%d)\n", ChannelModeName(r.ChannelMode()),
                     r.ChannelMode());
        std::fprintf(out, "  stereo:             %s\n", YesNo(r.Stereo()));
        std::fprintf(out, "  CRC:                %s\n", YesNo(r.CRC()));
        std::fprintf(out, "  VBR:                %s\n", YesNo(r.VBR()));
    }
    if (!info.report.WarningWanted()) std::fprintf(out, "  suitable\n");
    // A long name alone is no reason to warn, but it is still worth mentioning.
    for (const std::string& line : info.issues) std::fprintf(out, "  %s\n", line.c_str());
}

// One object at a time, laid out as the whole array would be: memory stays flat however many
// files are named.
class JsonArrayWriter {
  public:
    explicit JsonArrayWriter(std::FILE* out) : out_(out) {}

    void Add(const json& entry) {
        // Names need not be UTF-8; such bytes show as U+FFFD instead of stopping the output.
        std::string text = entry.dump(kIndent, ' ', false, json::error_handler_t::replace);
        // Strings in the dump carry their line breaks escaped, so each break starts a line.
        for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
            text.insert(at + 1, kIndent, ' ');
        }
        std::fprintf(out_, "%s%*s", count_++ == 0 ? "[\n" : ",\n", kIndent, "");
        std::fwrite(text.data(), 1, text.size(), out_);
    }

    void Finish() { std::fputs(count_ == 0 ? "[]\n" : "\n]\n", out_); }

  private:
    static constexpr int kIndent = 2;

    std::FILE* out_;
    std::size_t count_ = 0;
};

}  // namespace

int RunInfo(const std::vector<std::string_view>& files, bool renameWav, bool asJson,
            std::FILE* out) {
    bool allRead = true;
    JsonArrayWriter array(out);
    for (const std::string_view file : files) {
        FileInfo info;
        info.file = file;
        Inspect(info, renameWav);
        allRead = allRead && info.read;
        if (asJson) {
            array.Add(AsJson(info));
        } else {
            PrintText(info, out);
        }
    }
    if (asJson) array.Finish();
    return allRead ? 0 : 1;
}

}  // namespace tunewrap::cli
