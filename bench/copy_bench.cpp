// Wall time of whole processes, in alternating order: `tunewrap-cli to-bmu` and `to-mp3` of a
// file in page cache into a fresh destination against plain `cp` of it (which lets the kernel
// copy), and `to-bmu` over an existing destination against `rsync -I --whole-file`, which also
// writes a new file and renames it over the old one (skipped where rsync is not installed).
// Prints each run and the median ratios (ours / theirs); the goal is at most 1.0 for each.
// Usage: copy_bench [MiB=256] [runs=11] [directory=/tmp] [tunewrap-cli=this build's], the last
// to compare another build.
// With `many` first it wraps a folder of small files into a fresh folder, and unwraps the result,
// against `cp -r` of each folder, which shows what each file pays around its copy (goal: at most
// 1.0). Usage: copy_bench many [files=2000] [KiB=200] [runs=11] [directory=/tmp] [tunewrap-cli].
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

// One row of the table: our command and theirs, each run after `prepare`.
struct Row {
    const char* name;
    std::vector<std::string> ours, theirs;
    std::vector<std::string> prepare;
    std::vector<double> ratios;
};

void RunRows(std::vector<Row>& rows, int runs, const char* theirName) {
    for (int run = 0; run < runs; ++run) {
        for (Row& row : rows) {
            if (!row.prepare.empty()) Run(row.prepare);
            const auto [tOurs, tTheirs] = RunInTurn(run, row.ours, row.theirs);
            row.ratios.push_back(tOurs / tTheirs);
            std::printf("run %d %s: tunewrap-cli %.3f s, %s %.3f s, ratio %.3f\n", run + 1,
                        row.name, tOurs, row.theirs[0] == "rsync" ? "rsync" : theirName, tTheirs,
                        tOurs / tTheirs);
        }
    }
}

int ManyFiles(int argc, char** argv) {
    const long files = argc > 2 ? std::atol(argv[2]) : 2000;
    const long kib = argc > 3 ? std::atol(argv[3]) : 200;
    const int runs = argc > 4 ? std::atoi(argv[4]) : 11;
    const std::string dir = (argc > 5 ? argv[5] : "/tmp") + std::string("/copy_bench_many");
    const std::string cli = argc > 6 ? argv[6] : TUNEWRAP_CLI;
    const std::string source = dir + "/source", bmus = dir + "/bmu";
    const std::string ours = dir + "/ours", theirs = dir + "/cp";
    Run({"rm", "-rf", dir});
    Run({"mkdir", "-p", source, bmus});
    std::vector<std::string> wrap{cli, "to-bmu", "--quiet", "-o", ours};
    std::vector<std::string> unwrap{cli, "to-mp3", "--quiet", "-o", ours};
    std::vector<std::string> makeBmus{cli, "to-bmu", "--quiet", "-o", bmus};
    for (long i = 0; i < files; ++i) {
        const std::string name = "Track " + std::to_string(i);
        WriteSample(source + "/" + name + ".mp3", static_cast<std::int64_t>(kib) << 10);
        wrap.push_back(source + "/" + name + ".mp3");
        unwrap.push_back(bmus + "/" + name + ".bmu");
    }
    makeBmus.insert(makeBmus.end(), wrap.begin() + 5, wrap.end());
    Run(makeBmus);
    const std::vector<std::string> fresh{"sh", "-c", "rm -rf \"$0\" \"$1\" && mkdir \"$0\"", ours,
                                         theirs};
    std::vector<Row> rows = {{"wrap", wrap, {"cp", "-r", source, theirs}, fresh, {}},
                             {"unwrap", unwrap, {"cp", "-r", bmus, theirs}, fresh, {}}};
    Run({"cp", "-r", source, bmus, theirs});  // brings the sources into page cache
    RunRows(rows, runs, "cp -r");
    std::printf("%ld files of %ld KiB, %d runs: median ratio (tunewrap-cli / cp -r)", files, kib,
                runs);
    for (const Row& row : rows) std::printf(" %s %.3f", row.name, Median(row.ratios));
    std::printf("\n");
    Run({"rm", "-rf", dir});
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "many") return ManyFiles(argc, argv);
    const long mib = argc > 1 ? std::atol(argv[1]) : 256;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 11;
    const std::string dir = (argc > 3 ? argv[3] : "/tmp") + std::string("/copy_bench");
    const std::string cli = argc > 4 ? argv[4] : TUNEWRAP_CLI;
    const std::string source = dir + "/song.mp3", bmu = dir + "/song.bmu";
    const std::string ours = dir + "/ours", theirs = dir + "/theirs";
    Run({"rm", "-rf", dir});
    Run({"mkdir", "-p", dir, ours});
    WriteSample(source, static_cast<std::int64_t>(mib) << 20);
    Run({cli, "to-bmu", "--quiet", "-o", dir, source});

    std::vector<Row> rows = {{"wrap",
                              {cli, "to-bmu", "--overwrite", "-o", ours, source},
                              {"cp", source, theirs},
                              {"rm", "-f", ours + "/song.bmu", theirs},
                              {}},
                             {"unwrap",
                              {cli, "to-mp3", "--overwrite", "-o", ours, bmu},
                              {"cp", bmu, theirs},
                              {"rm", "-f", ours + "/song.mp3", theirs},
                              {}}};
    // rsync's own temporary file and rename, as ours, over what the wrap row left.
    if (Run({"rsync", "--version"})) {
        rows.push_back({"wrap over an existing file",
                        {cli, "to-bmu", "--overwrite", "-o", ours, source},
                        {"rsync", "-I", "--whole-file", source, theirs},
                        {"cp", source, theirs},
                        {}});
    } else {
        std::printf("rsync is not installed: the row over an existing file is skipped\n");
    }
    Run({"cat", source, bmu});  // brings the sources into page cache
    RunRows(rows, runs, "cp");
    std::printf("%ld MiB, %d runs: median ratio (tunewrap-cli / baseline)", mib, runs);
    for (const Row& row : rows) std::printf(", %s %.3f", row.name, Median(row.ratios));
    std::printf("\n");
    Run({"rm", "-rf", dir});
    return 0;
}
