// The frame-header scan over 64 MiB files without any header (all 0x00, all 0xFF), where it must
// read every byte: `tunewrap-cli info FILE` against `cat FILE`, both whole processes started
// without a shell, in alternating order on the same cached file. Prints each file's median ratio
// (goal: at most 1.5). Usage: scan_bench [runs=7]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Spawn.h"

namespace {

constexpr std::size_t kFileSize = 64u << 20;

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    const auto dir = std::filesystem::temp_directory_path() / "tunewrap-scan-bench";
    std::filesystem::create_directories(dir);
    for (const unsigned char fill : {0x00, 0xFF}) {
        const std::string path = (dir / ("fill" + std::to_string(fill) + ".mp3")).string();
        {
            const std::vector<char> bytes(kFileSize, static_cast<char>(fill));
            std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
        }
        Run({"sync"});  // so that writing the file back does not fall into the runs
        const std::vector<std::string> info{TUNEWRAP_CLI, "info", path}, cat{"cat", path};
        Run(cat);  // brings the file into page cache
        std::vector<double> ratios;
        for (int run = 0; run < runs; ++run) {
            const auto [scan, read] = TimedInTurn(
                run, [&] { return Seconds([&] { Run(info); }); },
                [&] { return Seconds([&] { Run(cat); }); });
            ratios.push_back(scan / read);
        }
        std::printf("64 MiB of 0x%02X, %d runs: median ratio info / cat %.2f\n", fill, runs,
                    Median(ratios));
    }
    std::filesystem::remove_all(dir);
    return 0;
}
