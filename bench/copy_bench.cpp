// Wall time of wrapping a file in page cache against `cp --reflink=never` of the same file,
// measured side by side. Prints each run and the median ratio (ours / cp); at most 1.0 is the
// target. Usage: copy_bench [MiB=256] [runs=11] [directory=/tmp]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ConvertFile.h"

extern char** environ;

namespace {

class QuietSink : public ProgressSink {
  public:
    void SetFileName(const std::string&) override {}
    void SetTotal(std::int64_t) override {}
    void SetDone(std::int64_t) override {}
    void ShowDialog() override {}
    void CloseDialog() override {}
    bool CancelRequested() const override { return false; }
    void ClearCancel() override {}
    void Yield() override {}
};

double Seconds(const std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall time of `work`; `cpu` receives the processor time it cost (of this process or of its
// children), which other load on the machine disturbs less.
template <typename Work>
double Timed(Work work, int who, double& cpu) {
    sync();  // each run starts without the previous run's dirty pages
    const double cpuBefore = CpuSeconds(who);
    const auto start = std::chrono::steady_clock::now();
    work();
    const double wall = Seconds(std::chrono::steady_clock::now() - start);
    cpu += CpuSeconds(who) - cpuBefore;
    return wall;
}

bool RunCp(const std::string& from, const std::string& to) {
    const char* argv[] = {"cp", "--reflink=never", from.c_str(), to.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const long mib = argc > 1 ? std::atol(argv[1]) : 256;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 11;
    const std::string dir = argc > 3 ? argv[3] : "/tmp";
    const std::string source = dir + "/copy_bench_source.mp3";
    const std::string ours = dir + "/copy_bench_ours.bmu";
    const std::string theirs = dir + "/copy_bench_cp.mp3";

    {
        std::vector<char> block(1 << 20);
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 131);
        FILE* f = std::fopen(source.c_str(), "wb");
        if (!f) return 1;
        for (long i = 0; i < mib; ++i) std::fwrite(block.data(), 1, block.size(), f);
        std::fclose(f);
    }
    RunCp(source, theirs);  // brings the source into page cache

    QuietSink sink;
    SystemTimer stopwatch;
    std::vector<double> ratios, oursTimes, cpTimes;
    double cpuOurs = 0, cpuCp = 0;
    for (int run = 0; run < runs; ++run) {
        unlink(ours.c_str());
        unlink(theirs.c_str());
        auto convert = [&] {
            tunewrap::ConvertFileToBMU(source, ours, "source.mp3", false, sink, stopwatch);
        };
        auto copy = [&] { RunCp(source, theirs); };
        // Alternate the order so neither side always runs on a warmer machine.
        double tOurs = 0, tCp = 0;
        if (run % 2 == 0) {
            tOurs = Timed(convert, RUSAGE_SELF, cpuOurs);
            tCp = Timed(copy, RUSAGE_CHILDREN, cpuCp);
        } else {
            tCp = Timed(copy, RUSAGE_CHILDREN, cpuCp);
            tOurs = Timed(convert, RUSAGE_SELF, cpuOurs);
        }
        ratios.push_back(tOurs / tCp);
        oursTimes.push_back(tOurs);
        cpTimes.push_back(tCp);
        std::printf("run %d: convert %.3f s, cp %.3f s, ratio %.3f\n", run + 1, tOurs, tCp,
                    tOurs / tCp);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double bestOurs = *std::min_element(oursTimes.begin(), oursTimes.end());
    const double bestCp = *std::min_element(cpTimes.begin(), cpTimes.end());
    std::printf(
        "%ld MiB, %d runs: median ratio (convert / cp) %.3f; best times %.3f / %.3f s = "
        "%.3f; processor time ratio %.3f; peak RSS %ld KiB\n",
        mib, runs, Median(ratios), bestOurs, bestCp, bestOurs / bestCp, cpuOurs / cpuCp,
        usage.ru_maxrss);
    unlink(source.c_str());
    unlink(ours.c_str());
    unlink(theirs.c_str());
    return 0;
}
