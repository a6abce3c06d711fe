#include "CliFixCommand.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "BatchConvert.h"
#include "BmuFile.h"
#include "CliFileLines.h"
#include "CliInterrupt.h"
#include "CliProgressSink.h"
#include "FileIo.h"
#include "MP3Utils.h"
#include "PathJoin.h"
#include "Reencode.h"
#include "Suitability.h"

namespace tunewrap::cli {
namespace {

constexpr std::string_view kFixedExtension = ".fixed.mp3";

enum class Outcome { Fixed, Suitable, Exists, Failed, Cancelled, NotReached };
constexpr std::size_t kOutcomeCount = static_cast<std::size_t>(Outcome::NotReached) + 1;
constexpr std::size_t kNoJob = static_cast<std::size_t>(-1);
constexpr std::size_t kJobsPerCore = 4;

struct Job {
    std::string source;
    std::string destination;
    // The last job before this one with the same destination, which must be done before this
    // one looks at it; kNoJob if none.
    std::size_t after = kNoJob;
    std::optional<Outcome> outcome;
    std::string reason;
};

// NAME.fixed.mp3 in the chosen directory or next to the source, named as the batch names its
// files.
std::string FixedPath(const std::string& source, const std::string& outputDir) {
    std::string dir;
    std::string name;
    platform::SplitPath(source, dir, name);
    return platform::JoinPath(outputDir.empty() ? dir : outputDir,
                              DestinationName(name, kFixedExtension));
}

// A destination that does not exist yet, as its folder and name: "./a.fixed.mp3" and
// "/home/me/a.fixed.mp3" are one file before either is written.
using DestinationKey = std::pair<std::optional<platform::FileIdentity>, std::string>;
DestinationKey KeyOf(const std::string& destination) {
    std::string dir;
    std::string name;
    platform::SplitPath(destination, dir, name);
    const auto identity = platform::IdentityOf(dir);
    return {identity, identity ? name : destination};
}

// One progress line for every file being re-encoded, as a long copy shows one: the file's name
// while one is re-encoded, how many while several are, and their share of the bytes together.
// The line is taken away while a file's line is printed, so the two never run into each other.
class FixProgress {
  public:
    explicit FixProgress(bool drawBar) : line_(drawBar, stderr) {}

    struct File {
        std::string name;
        std::int64_t total = 0;
        std::int64_t done = 0;
    };

    // `file` is being re-encoded, or (nullopt) no longer.
    void Update(std::size_t job, const std::optional<File>& file) {
        std::lock_guard<std::mutex> lock(mutex_);
        const bool changed = file.has_value() != (running_.count(job) != 0);
        if (file) {
            running_[job] = *file;
        } else {
            running_.erase(job);
        }
        Draw(changed);
    }

    template <typename Print>
    void Around(Print print) {
        std::lock_guard<std::mutex> lock(mutex_);
        line_.CloseDialog();
        print();
        Draw(true);
    }

  private:
    void Draw(bool anew) {
        if (running_.empty()) {
            line_.CloseDialog();
            return;
        }
        std::int64_t total = 0;
        std::int64_t done = 0;
        for (const auto& [job, file] : running_) {
            total += file.total;
            done += file.done;
        }
        line_.SetFileName(running_.size() == 1
                              ? running_.begin()->second.name
                              : "Re-encoding " + std::to_string(running_.size()) + " files");
        line_.SetTotal(total);
        line_.SetDone(done);
        if (anew) line_.ShowDialog();
    }

    std::mutex mutex_;
    CliProgressSink line_;
    std::map<std::size_t, File> running_;
};

// One job's part of the progress line; Ctrl+C cancels every job.
class JobSink : public ProgressSink {
  public:
    JobSink(FixProgress& progress, std::size_t job) : progress_(progress), job_(job) {}
    void SetFileName(const std::string& name) override { file_.name = name; }
    void SetTotal(std::int64_t total) override { file_.total = total; }
    void SetDone(std::int64_t done) override {
        file_.done = done;
        if (shown_) progress_.Update(job_, file_);
    }
    void ShowDialog() override {
        shown_ = true;
        progress_.Update(job_, file_);
    }
    void CloseDialog() override {
        shown_ = false;
        progress_.Update(job_, std::nullopt);
    }
    bool CancelRequested() const override { return Interrupted(); }
    void ClearCancel() override {}
    void Yield() override {}

  private:
    FixProgress& progress_;
    std::size_t job_;
    FixProgress::File file_;
    bool shown_ = false;
};

// The jobs and what they share. `mutex` guards every job's outcome and `created`.
struct FixRun {
    const FixOptions& options;
    FixProgress& progress;
    std::vector<Job> jobs;
    CreatedFiles created;
    std::mutex mutex;
    std::condition_variable finished;
    std::size_t next = 0;

    // Runs the next job not yet taken, if any.
    bool RunNext() {
        std::unique_lock<std::mutex> lock(mutex);
        if (next == jobs.size()) return false;
        Job& job = jobs[next++];
        if (job.after != kNoJob) {
            finished.wait(lock, [&] { return jobs[job.after].outcome.has_value(); });
        }
        const Outcome outcome = Interrupted() ? Outcome::NotReached : Run(job, lock);
        job.outcome = outcome;
        finished.notify_all();
        return true;
    }

    // Called and left with `lock` held; the re-encode itself runs without it.
    Outcome Run(Job& job, std::unique_lock<std::mutex>& lock) {
        lock.unlock();
        MP3Utils reader;
        std::string dir;
        std::string name;
        platform::SplitPath(job.source, dir, name);
        const bool suitable = reader.MP3File(job.source) &&
                              !CheckSuitability(name, reader, options.renameWav).WarningWanted();
        const platform::NameLookup destination = platform::LookUpName(job.destination);
        const auto sourceIdentity = platform::IdentityOf(job.source);
        lock.lock();
        if (suitable) return Outcome::Suitable;
        if (destination.identity) {
            if (const char* refusal =
                    created.Refusal(*destination.identity, sourceIdentity, options.overwrite)) {
                job.reason = refusal;
                return Outcome::Failed;
            }
        }
        if (!options.overwrite && destination.taken) return Outcome::Exists;
        lock.unlock();
        JobSink sink(progress, static_cast<std::size_t>(&job - jobs.data()));
        const ConvertResult result =
            ReencodeFile(job.source, job.destination, options.renameWav, sink);
        lock.lock();
        job.reason = result.reason;
        if (result.ok()) created.Add(job.destination);
        return result.ok()                                         ? Outcome::Fixed
               : result.status == ConvertResult::Status::Cancelled ? Outcome::Cancelled
                                                                   : Outcome::Failed;
    }
};

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
    FixProgress progress(options.showProgress);
    FixRun run{options, progress, std::vector<Job>(files.size()), {}, {}, {}, 0};
    std::vector<Job>& jobs = run.jobs;
    std::map<DestinationKey, std::size_t> lastWithDestination;
    for (std::size_t i = 0; i < files.size(); ++i) {
        jobs[i].source = files[i];
        jobs[i].destination = FixedPath(jobs[i].source, options.outputDir);
        run.created.AddSource(jobs[i].source);
        // Two sources with one destination: the second waits for the first, so that it finds
        // the file the first wrote, as a batch would one after the other.
        auto [last, first] = lastWithDestination.try_emplace(KeyOf(jobs[i].destination), i);
        if (!first) jobs[i].after = std::exchange(last->second, i);
    }

    // Beyond a few per core, more threads only wait for one another and hold memory.
    const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t workerCount =
        std::min({std::max<std::size_t>(options.jobs, 1), jobs.size(), cores * kJobsPerCore});
    std::vector<std::thread> workers;
    for (std::size_t w = 0; w < workerCount; ++w) {
        try {
            workers.emplace_back([&run] {
                while (run.RunNext()) {
                }
            });
        } catch (const std::system_error&) {
            break;  // out of threads (ulimit -u): those that started do the work
        }
    }

    FileLines lines(out);
    std::array<int, kOutcomeCount> counts{};
    for (Job& job : jobs) {
        // Without a thread of its own, the run's jobs are done here, one before each line.
        if (workers.empty()) run.RunNext();
        {
            std::unique_lock<std::mutex> lock(run.mutex);
            run.finished.wait(lock, [&job] { return job.outcome.has_value(); });
        }
        progress.Around([&] { lines.Print(job.source, OutcomeText(job)); });
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
    const int done = count(Outcome::Fixed) + count(Outcome::Suitable) +
                     (options.skipExisting ? count(Outcome::Exists) : 0);
    return done == static_cast<int>(jobs.size()) ? 0 : 1;
}

}  // namespace tunewrap::cli
