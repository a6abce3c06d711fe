// Wall time of whole processes: `tunewrap-cli to-bmu` wrapping a file in page cache against
// `cp --reflink=never` copying it, once into a fresh destination and once over an existing one,
// in alternating order. Prints each run and the median ratios (ours / cp); the target is at most
// 1.05 for both. Usage: copy_bench [MiB=256] [runs=11] [directory=/tmp] [tunewrap-cli=this
// build's], the last to compare another build.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Spawn.h"

namespace {

// Wall time of one run, which starts without the previous runs' dirty pages.
double Timed(const std::vector<std::string>& argv) {
    sync();
    const auto start = std::chrono::steady_clock::now();
    if (!Run(argv)) std::fprintf(stderr, "failed: %s\n", argv[0].c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
    const std::string cli = argc > 4 ? argv[4] : TUNEWRAP_CLI;
    const std::string source = dir + "/copy_bench_source.mp3";
    const std::string oursDir = dir + "/copy_bench_ours";
    const std::string ours = oursDir + "/copy_bench_source.bmu";
    const std::string theirs = dir + "/copy_bench_cp.mp3";

    {
        // A real MP3 file over and over, so the frame-header check reads what it reads in use.
        std::ifstream sample(BENCH_SAMPLE_MP3, std::ios::binary);
        const std::string frames{std::istreambuf_iterator<char>(sample), {}};
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        for (std::int64_t written = 0; written < (static_cast<std::int64_t>(mib) << 20);
             written += static_cast<std::int64_t>(frames.size()))
            out << frames;
    }
    mkdir(oursDir.c_str(), 0755);
    const std::vector<std::string> convert{cli, "to-bmu", "--overwrite", "-o", oursDir, source};
    const std::vector<std::string> copy{"cp", "--reflink=never", source, theirs};
    Run(copy);  // brings the source into page cache

    const char* kinds[] = {"fresh", "overwrite"};
    std::vector<double> ratios[2];
    for (int run = 0; run < runs; ++run) {
        for (int kind = 0; kind < 2; ++kind) {
            if (kind == 0) {
                unlink(ours.c_str());
                unlink(theirs.c_str());
            }
            // Alternate the order so neither side always runs on a warmer machine.
            double tOurs = 0, tCp = 0;
            if (run % 2 == 0) {
                tOurs = Timed(convert);
                tCp = Timed(copy);
            } else {
                tCp = Timed(copy);
                tOurs = Timed(convert);
            }
            ratios[kind].push_back(tOurs / tCp);
            std::printf("run %d %s: convert %.3f s, cp %.3f s, ratio %.3f\n", run + 1, kinds[kind],
                        tOurs, tCp, tOurs / tCp);
        }
    }
    std::printf("%ld MiB, %d runs: median ratio (convert / cp) fresh %.3f, overwrite %.3f\n", mib,
                runs, Median(ratios[0]), Median(ratios[1]));
    unlink(source.c_str());
    unlink(ours.c_str());
    unlink(theirs.c_str());
    rmdir(oursDir.c_str());
    return 0;
}
