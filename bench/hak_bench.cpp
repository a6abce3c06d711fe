// Whole processes on cached files: `tunewrap-cli hak` packing a folder of songs into a new hak
// against `cat` of the same songs into one file (goal: at most 1.1), and the peak memory of
// packing, which must stay flat in the number and size of the songs; then `hak --list` of a hak
// of about 1 GiB (goal: at most 50 ms).
// Usage: hak_bench [songs=100] [MiB=4] [runs=7] [directory=/tmp] [tunewrap-cli]
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Spawn.h"

namespace {

// The game's music table as it ships: a header and 138 rows.
void WriteBaseTable(const std::string& path) {
    std::ofstream table(path, std::ios::binary);
    table << "2DA V2.0\r\n\r\n   Description Resource Stinger1 Stinger2 Stinger3 DisplayName\r\n";
    for (int row = 0; row < 138; ++row)
        table << row << " " << 60000 + row << " mus_stock" << row << " **** **** **** ****\r\n";
}

void MakeSongs(const std::string& dir, long songs, long mib) {
    static const std::string frames = ReadSample(BENCH_SAMPLE_MP3);
    Run({"mkdir", "-p", dir});
    for (long i = 0; i < songs; ++i)
        WriteRepeated(dir + "/Song " + std::to_string(i) + ".mp3", frames, mib << 20);
}

std::vector<std::string> Pack(const std::string& cli, const std::string& hak,
                              const std::string& table, const std::string& songs) {
    return {cli, "hak", "-q", "-o", hak, "--table", table, songs};
}

long PeakKiB(const std::string& cli, const std::string& dir, long songs, long mib) {
    const std::string songDir = dir + "/peak_" + std::to_string(songs) + "x" + std::to_string(mib);
    MakeSongs(songDir, songs, mib);
    long peak = 0;
    RunForPeak(Pack(cli, songDir + ".hak", dir + "/base.2da", songDir), peak, dir + "/peak");
    Run({"rm", "-rf", songDir, songDir + ".hak"});
    return peak;
}

}  // namespace

int main(int argc, char** argv) {
    if (int status = 0; ServePeakOf(argc, argv, status)) return status;
    const long songs = argc > 1 ? std::atol(argv[1]) : 100;
    const long mib = argc > 2 ? std::atol(argv[2]) : 4;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 7;
    const std::string dir = (argc > 4 ? argv[4] : "/tmp") + std::string("/hak_bench");
    const std::string cli = argc > 5 ? argv[5] : TUNEWRAP_CLI;
    Run({"rm", "-rf", dir});
    MakeSongs(dir + "/songs", songs, mib);
    WriteBaseTable(dir + "/base.2da");
    const std::string hak = dir + "/out.hak", joined = dir + "/cat.out";
    const std::vector<std::string> ours = Pack(cli, hak, dir + "/base.2da", dir + "/songs");
    const std::vector<std::string> theirs = {"sh", "-c", "cat \"$0\"/*.mp3 > \"$1\"",
                                             dir + "/songs", joined};
    Run(theirs);  // the songs into page cache
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        const auto [tOurs, tTheirs] = TimedInTurn(
            run,
            [&] {
                Run({"rm", "-f", hak});
                sync();
                return Seconds([&] { Run(ours); });
            },
            [&] {
                Run({"rm", "-f", joined});
                sync();
                return Seconds([&] { Run(theirs); });
            });
        ratios.push_back(tOurs / tTheirs);
        std::printf("run %d: hak %.3f s, cat %.3f s, ratio %.3f\n", run + 1, tOurs, tTheirs,
                    tOurs / tTheirs);
    }
    std::printf("%ld songs of %ld MiB: median ratio (hak / cat) of %d runs %.3f\n", songs, mib,
                runs, Median(ratios));
    Run({"rm", "-rf", joined, hak});
    for (const auto& [count, size] : {std::pair{10L, 4L}, std::pair{100L, 4L}, std::pair{10L, 40L}})
        std::printf("peak memory packing %ld songs of %ld MiB: %.1f MiB\n", count, size,
                    PeakKiB(cli, dir, count, size) / 1024.0);

    // About 1 GiB of songs, packed once.
    const std::string big = dir + "/big.hak";
    MakeSongs(dir + "/many", (1L << 30) / (mib << 20), mib);
    Run(Pack(cli, big, dir + "/base.2da", dir + "/many"));
    std::vector<double> listing;
    const std::vector<std::string> list{cli, "hak", "--list", big, "--table", dir + "/base.2da"};
    for (int run = 0; run < runs; ++run) listing.push_back(Seconds([&] { Run(list); }));
    std::printf("hak --list of a %.2f GiB hak: median %.1f ms\n",
                std::ifstream(big, std::ios::ate | std::ios::binary).tellg() / double(1L << 30),
                Median(listing) * 1000);
    Run({"rm", "-rf", dir});
    return 0;
}
