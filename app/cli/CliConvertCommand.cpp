#include "CliConvertCommand.h"

#include <filesystem>

#include "BatchConvert.h"
#include "CliInterrupt.h"
#include "PathJoin.h"

namespace tunewrap::cli {
namespace {

namespace fs = std::filesystem;

// "music/" and "music" are one directory; a root stays a root.
std::string WithoutTrailingSeparators(std::string dir) {
    while (dir.size() > 1 && dir.back() == platform::kPathSeparator) dir.pop_back();
    return dir;
}

std::string DirectoryOf(const std::string& file) {
    std::string parent = fs::path(file).parent_path().string();
    return parent.empty() ? "." : WithoutTrailingSeparators(parent);
}

std::string OutcomeText(const FileOutcome& outcome) {
    switch (outcome.kind) {
        case FileOutcome::Kind::Converted:
            return "converted to " + outcome.destinationPath;
        case FileOutcome::Kind::SkippedExists:
            return "skipped: exists";
        case FileOutcome::Kind::SkippedUnsuitable:
            return "skipped: unsuitable";
        case FileOutcome::Kind::Failed:
            return "failed: " +
                   (outcome.reason.empty() ? std::string("unknown error") : outcome.reason);
        case FileOutcome::Kind::Cancelled:
            return "cancelled";
    }
    return "failed: unknown error";
}

void PrintLine(std::FILE* out, const std::string& file, const std::string& what) {
    std::fprintf(out, "%s: %s\n", file.c_str(), what.c_str());
}

// The batches the files make: one per source directory, in the order the directories first
// appear, each with its files in the order given. given[b][i] is the index into `files` of
// entry i of batch b.
std::vector<BatchFiles> GroupByDirectory(const std::vector<std::string>& files,
                                         const std::string& outputDir,
                                         std::vector<std::vector<std::size_t>>& given) {
    std::vector<BatchFiles> batches;
    given.clear();
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string dir = DirectoryOf(files[i]);
        std::size_t b = 0;
        while (b < batches.size() && batches[b].sourceDir != dir) ++b;
        if (b == batches.size()) {
            std::string destination =
                outputDir.empty() ? dir : WithoutTrailingSeparators(outputDir);
            batches.push_back({dir, destination, {}, {}});
            given.emplace_back();
        }
        batches[b].names.push_back(fs::path(files[i]).filename().string());
        batches[b].selected.push_back(true);
        given[b].push_back(i);
    }
    return batches;
}

}  // namespace

int RunConvert(const ConvertOptions& options, const std::string& outputDir,
               const std::vector<std::string>& files, CliQuestions& questions, ProgressSink& sink,
               std::FILE* out) {
    std::vector<std::vector<std::size_t>> given;
    std::vector<BatchFiles> batches = GroupByDirectory(files, outputDir, given);
    bool allConverted = true;
    bool stopped = false;
    for (std::size_t b = 0; b < batches.size(); ++b) {
        BatchFiles& batch = batches[b];
        std::vector<FileOutcome> outcomes;
        if (!stopped) {
            CliHost host(options, batch, questions);
            outcomes = options.toBMU ? ConvertToBMU(host, sink) : ConvertToMP3(host, sink);
        }
        // The job reports the entries it reached, in list order; an entry still selected was
        // never reached because the run stopped (Ctrl+C, or "no" to going on after a failure).
        std::size_t next = 0;
        for (std::size_t i = 0; i < batch.names.size(); ++i) {
            const std::string& file = files[given[b][i]];
            if (!stopped && !batch.selected[i] && next < outcomes.size() &&
                outcomes[next].sourceName == batch.names[i]) {
                const FileOutcome& outcome = outcomes[next++];
                PrintLine(out, file, OutcomeText(outcome));
                allConverted = allConverted && outcome.kind == FileOutcome::Kind::Converted;
            } else {
                PrintLine(out, file, "not reached");
                allConverted = false;
                stopped = true;
            }
        }
        std::fflush(out);
        if (Interrupted() || questions.StopRequested()) stopped = true;
    }
    if (Interrupted()) return InterruptedExitStatus();
    return allConverted ? 0 : 1;
}

}  // namespace tunewrap::cli
