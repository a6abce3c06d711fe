// Wall time of whole processes: `tunewrap-cli to-bmu` wrapping a file in page cache against
// `cp --reflink=never` copying it, once into a fresh destination and once over an existing one,
// in alternating order. Prints each run and the median ratios (ours / cp); the target is at most
// 1.05 for both. Usage: copy_bench [MiB=256] [runs=11] [directory=/tmp] [tunewrap-cli=this
// build's], the last to compare another build.
// With `many` first it wraps a folder of small files into a fresh folder against `cp -r` of the
// folder, which shows what each file pays around its copy (target: at most 1.0).
// Usage: copy_bench many [files=2000] [KiB=200] [runs=11] [directory=/tmp] [tunewrap-cli].
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Spawn.h"

namespace {

// Wall time of one run, which starts without the previous runs' dirty pages.
double Timed(const std::vector<std::string>& argv) {
    sync();
    return Seconds([&] {
        if (!Run(argv)) std::fprintf(stderr, "failed: %s\n", argv[0].c_str());
    });
}

// Both sides of one run, as whole processes.
std::pair<double, double> RunInTurn(int run, const std::vector<std::string>& ours,
                                    const std::vector<std::string>& theirs) {
    return TimedInTurn(
        run, [&] { return Timed(ours); }, [&] { return Timed(theirs); });
}

void WriteSample(const std::string& path, std::int64_t bytes) {
    static const std::string frames = ReadSample(BENCH_SAMPLE_MP3);
    WriteRepeated(path, frames, bytes);
}

int ManyFiles(int argc, char** argv) {
    const long files = argc > 2 ? std::atol(argv[2]) : 2000;
    const long kib = argc > 3 ? std::atol(argv[3]) : 200;
    const int runs = argc > 4 ? std::atoi(argv[4]) : 11;
    const std::string dir = (argc > 5 ? argv[5] : "/tmp") + std::string("/copy_bench_many");
    const std::string cli = argc > 6 ? argv[6] : TUNEWRAP_CLI;
    const std::string source = dir + "/source", ours = dir + "/ours", theirs = dir + "/cp";
    Run({"rm", "-rf", dir});
    Run({"mkdir", "-p", source});
    std::vector<std::string> convert{cli, "to-bmu", "--quiet", "-o", ours};
    for (long i = 0; i < files; ++i) {
        convert.push_back(source + "/Track " + std::to_string(i) + ".mp3");
        WriteSample(convert.back(), static_cast<std::int64_t>(kib) << 10);
    }
    const std::vector<std::string> copy{"cp", "-r", "--reflink=never", source, theirs};
    Run(copy);  // brings the sources into page cache

    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        Run({"rm", "-rf", ours, theirs});
        Run({"mkdir", ours});
        const auto [tOurs, tCp] = RunInTurn(run, convert, copy);
        ratios.push_back(tOurs / tCp);
        std::printf("run %d: convert %.3f s, cp -r %.3f s, ratio %.3f\n", run + 1, tOurs, tCp,
                    tOurs / tCp);
    }
    std::printf("%ld files of %ld KiB, %d runs: median ratio (convert / cp -r) %.3f\n", files, kib,
                runs, Median(ratios));
    Run({"rm", "-rf", dir});
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "many") return ManyFiles(argc, argv);
    const long mib = argc > 1 ? std::atol(argv[1]) : 256;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 11;
    const std::string dir = argc > 3 ? argv[3] : "/tmp";
    const std::string cli = argc > 4 ? argv[4] : TUNEWRAP_CLI;
    const std::string source = dir + "/copy_bench_source.mp3";
    const std::string oursDir = dir + "/copy_bench_ours";
    const std::string ours = oursDir + "/copy_bench_source.bmu";
    const std::string theirs = dir + "/copy_bench_cp.mp3";

    WriteSample(source, static_cast<std::int64_t>(mib) << 20);
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
            const auto [tOurs, tCp] = RunInTurn(run, convert, copy);
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
