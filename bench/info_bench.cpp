// `tunewrap-cli info --json` over a folder of MP3 files (real frames, 200 KiB each) against
// `mediainfo --Output=JSON` over the same files: both whole processes that read the frame headers
// of every file given and write one JSON document, in alternating order on cached files. Prints
// each run, the median ratio (target: at most 0.12) and info's peak resident memory, which must
// not grow with the number of files (target: at most 8 MiB for 20,000).
// Usage: info_bench [files=2000] [runs=7] [directory=/tmp] [tunewrap-cli]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Spawn.h"

int main(int argc, char** argv) {
    if (int status = 0; ServePeakOf(argc, argv, status)) return status;
    const long files = argc > 1 ? std::atol(argv[1]) : 2000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    const std::string dir = (argc > 3 ? argv[3] : "/tmp") + std::string("/info_bench");
    const std::string cli = argc > 4 ? argv[4] : TUNEWRAP_CLI;
    Run({"rm", "-rf", dir});
    Run({"mkdir", "-p", dir});
    const std::string frames = ReadSample(BENCH_SAMPLE_MP3);
    std::vector<std::string> info{cli, "info", "--json"}, peer{"mediainfo", "--Output=JSON"};
    for (long i = 0; i < files; ++i) {
        info.push_back(dir + "/Track " + std::to_string(i) + ".mp3");
        WriteRepeated(info.back(), frames, 200 << 10);
        peer.push_back(info.back());
    }
    long peakKiB = 0;
    const bool peerRuns = Run(peer);  // also brings the files into page cache
    if (!peerRuns)
        std::fprintf(stderr, "mediainfo did not run; install it (apt-get install mediainfo)\n");

    std::vector<double> ratios;
    for (int run = 0; peerRuns && run < runs; ++run) {
        const auto [ours, theirs] = TimedInTurn(
            run, [&] { return Seconds([&] { Run(info); }); },
            [&] { return Seconds([&] { Run(peer); }); });
        ratios.push_back(ours / theirs);
        std::printf("run %d: info --json %.3f s, mediainfo %.3f s, ratio %.3f\n", run + 1, ours,
                    theirs, ours / theirs);
    }
    RunForPeak(info, peakKiB, dir + ".peak");
    std::printf("%ld files: info --json peak memory %.1f MiB", files, peakKiB / 1024.0);
    if (peerRuns)
        std::printf(", median ratio (info / mediainfo) of %d runs %.3f", runs, Median(ratios));
    std::printf("\n");
    Run({"rm", "-rf", dir});
    return 0;
}
