#include "CliFixCommand.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "CliFileLines.h"
#include "CliInterrupt.h"
#include "FileIo.h"
#include "MP3Utils.h"
#include "PathJoin.h"
#include "Reencode.h"
#include "Suitability.h"

namespace tunewrap::cli {
namespace {

constexpr const char* kFixedSuffix = ".fixed.mp3";

enum class Outcome { Fixed, Suitable, Exists, Failed, Cancelled, NotReached };
constexpr std::size_t kOutcomeCount = static_cast<std::size_t>(Outcome::NotReached) + 1;

struct Job {
    std::string source;
    std::string destination;
    std::string clash;  // why the file is refused before it is read, if it is
    std::optional<Outcome> outcome;
    std::string reason;
};

// NAME.fixed.mp3 in the chosen directory or next to the source; never the source itself.
std::string FixedPath(const std::string& source, const std::string& outputDir) {
    std::string dir;
    std::string name;
    platform::SplitPath(source, dir, name);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return platform::JoinPath(outputDir.empty() ? dir : outputDir, name + kFixedSuffix);
}

// Only polls Ctrl+C: with several files at once no single progress line would say much.
class InterruptSink : public ProgressSink {
  public:
    void SetFileName(const std::string&) override {}
    void SetTotal(std::int64_t) override {}
    void SetDone(std::int64_t) override {}
    void ShowDialog() override {}
    void CloseDialog() override {}
    bool CancelRequested() const override { return Interrupted(); }
    void ClearCancel() override {}
    void Yield() override {}
};

void Run(Job& job, const FixOptions& options) {
    if (!job.clash.empty()) {
        job.reason = job.clash;
        job.outcome = Outcome::Failed;
        return;
    }
    MP3Utils reader;
    std::string dir;
    std::string name;
    platform::SplitPath(job.source, dir, name);
    if (reader.MP3File(job.source) &&
        !CheckSuitability(name, reader, options.renameWav).WarningWanted()) {
        job.outcome = Outcome::Suitable;
        return;
    }
    if (!options.overwrite && platform::IdentityOf(job.destination)) {
        job.outcome = Outcome::Exists;
        return;
    }
    InterruptSink sink;
    const ConvertResult result = ReencodeFile(job.source, job.destination, options.renameWav, sink);
    job.reason = result.reason;
    job.outcome = result.ok()                                         ? Outcome::Fixed
                  : result.status == ConvertResult::Status::Cancelled ? Outcome::Cancelled
                                                                      : Outcome::Failed;
}

std::string OutcomeText(const Job& job) {
    switch (*job.outcome) {
        case Outcome::Fixed:
            return "fixed to " + job.destination;
        case Outcome::Suitable:
            return "skipped: suitable";
        case Outcome::Exists:
            return "skipped: exists";
        case Outcome::Failed:
            return "failed: " + (job.reason.empty() ? std::string("unknown error") : job.reason);
        case Outcome::Cancelled:
            return "cancelled";
        case Outcome::NotReached:
            return "not reached";
    }
    return "failed: unknown error";
}

}  // namespace

int RunFix(const FixOptions& options, const std::vector<std::string_view>& files, std::FILE* out,
           std::FILE* summary) {
    std::vector<Job> jobs(files.size());
    std::set<std::string> destinations;
    for (std::size_t i = 0; i < files.size(); ++i) {
        jobs[i].source = files[i];
        jobs[i].destination = FixedPath(jobs[i].source, options.outputDir);
        // Two sources with one destination name: the first one given gets it.
        if (!destinations.insert(jobs[i].destination).second)
            jobs[i].clash = "would overwrite a file this run just created";
    }

    std::mutex mutex;
    std::condition_variable finished;
    std::size_t next = 0;
    auto work = [&] {
        std::unique_lock<std::mutex> lock(mutex);
        while (next < jobs.size()) {
            Job& job = jobs[next++];
            if (Interrupted()) {
                job.outcome = Outcome::NotReached;
            } else {
                lock.unlock();
                Run(job, options);
                lock.lock();
            }
            finished.notify_all();
        }
    };
    std::vector<std::thread> workers;
    const std::size_t workerCount = std::min<std::size_t>(std::max(options.jobs, 1U), jobs.size());
    for (std::size_t w = 0; w < workerCount; ++w) workers.emplace_back(work);

    FileLines lines(out);
    std::array<int, kOutcomeCount> counts{};
    for (Job& job : jobs) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            finished.wait(lock, [&job] { return job.outcome.has_value(); });
        }
        lines.Print(job.source, OutcomeText(job));
        ++counts[static_cast<std::size_t>(*job.outcome)];
    }
    for (std::thread& worker : workers) worker.join();

    const auto count = [&counts](Outcome outcome) {
        return counts[static_cast<std::size_t>(outcome)];
    };
    if (summary != nullptr) {
        std::string text = std::to_string(count(Outcome::Fixed)) + " fixed, " +
                           std::to_string(count(Outcome::Suitable)) + " suitable, " +
                           std::to_string(count(Outcome::Exists)) + " skipped, " +
                           std::to_string(count(Outcome::Failed)) + " failed";
        if (count(Outcome::Cancelled) != 0)
            text += ", " + std::to_string(count(Outcome::Cancelled)) + " cancelled";
        if (count(Outcome::NotReached) != 0)
            text += ", " + std::to_string(count(Outcome::NotReached)) + " not reached";
        std::fprintf(summary, "%s\n", text.c_str());
    }
    if (Interrupted()) return InterruptedExitStatus();
    return count(Outcome::Fixed) + count(Outcome::Suitable) == static_cast<int>(jobs.size()) ? 0
                                                                                             : 1;
}

}  // namespace tunewrap::cli
