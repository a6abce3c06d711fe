#include "CliConvertCommand.h"

#include <string_view>

#include "BatchConvert.h"
#include "BatchSummary.h"
#include "CliFileLines.h"
#include "CliInterrupt.h"
#include "CliQuestions.h"
#include "PathJoin.h"
#include "Terminal.h"

namespace tunewrap::cli {
namespace {

using platform::WithoutTrailingSeparators;

std::string DirectoryOf(const std::string& file) {
    return WithoutTrailingSeparators(platform::ParentPath(file));
}

// The batches the files make: one per source directory, in the order the directories first
// appear, each with its files in the order given.
std::vector<BatchFiles> GroupByDirectory(const std::vector<std::string_view>& files,
                                         const std::string& outputDir) {
    std::vector<BatchFiles> batches;
    for (const std::string_view given : files) {
        const std::string file(given);
        std::string dir = DirectoryOf(file);
        std::size_t b = 0;
        while (b < batches.size() && batches[b].sourceDir != dir) ++b;
        if (b == batches.size()) {
            std::string destination =
                outputDir.empty() ? dir : WithoutTrailingSeparators(outputDir);
            batches.push_back({dir, destination, {}, {}, false});
        }
        std::string parent, name;
        platform::SplitPath(file, parent, name);
        batches[b].files.push_back({platform::JoinPath(dir, name), name});
        batches[b].given.push_back(file);
    }
    for (std::size_t b = 0; b + 1 < batches.size(); ++b) batches[b].laterBatchesFollow = true;
    return batches;
}

}  // namespace

int RunConvert(const ConvertOptions& options, const std::string& outputDir,
               const std::vector<std::string_view>& files, CliQuestions& questions,
               ProgressSink& sink, std::FILE* out, std::FILE* summary) {
    FileLines lines(out);
    BatchTally tally;
    // Shared by all batches: a file written for one directory's source is just as new to the
    // next directory's.
    CreatedFiles created;
    bool stopped = false;
    for (const BatchFiles& batch : GroupByDirectory(files, outputDir)) {
        CliHost rest(options, batch, questions, [&](std::size_t entry, const FileOutcome& outcome) {
            lines.Print(batch.given[entry], OutcomeText(outcome));
            tally.Count(outcome.kind);
        });
        GivenFilesHost host(rest, options.toBMU ? ListId::MP3 : ListId::BMU, batch.files);
        if (!stopped) {
            options.toBMU ? ConvertToBMU(host, sink, created) : ConvertToMP3(host, sink, created);
        }
        // Every entry the job reached it deselected; one still selected was never reached
        // because the run stopped (Ctrl+C, or "no" to going on after a failure).
        for (std::size_t i = 0; i < batch.files.size(); ++i) {
            if (!host.StillSelected(i)) continue;
            lines.Print(batch.given[i], kNotReachedText);
            tally.CountNotReached();
            stopped = true;
        }
        if (Interrupted() || questions.StopRequested()) stopped = true;
    }
    if (summary != nullptr) std::fprintf(summary, "%s\n", tally.Text().c_str());
    if (Interrupted()) return InterruptedExitStatus();
    return tally.AllConverted(options.skipExisting) ? 0 : 1;
}

}  // namespace tunewrap::cli
