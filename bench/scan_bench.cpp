// Times the frame-header scan over 64 MiB files without any header (all 0x00, all 0xFF) against
// `cat FILE > /dev/null` on the same, cached, file. Prints the ratios; the target is 3x or less.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MP3Utils.h"

namespace {

constexpr std::size_t kFileSize = 64u << 20;
constexpr int kRounds = 5;

template <typename F>
double BestSeconds(F&& run) {
    double best = 1e9;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / "tunewrap-scan-bench";
    std::filesystem::create_directories(dir);
    int status = 0;
    for (const unsigned char fill : {0x00, 0xFF}) {
        const std::string path = (dir / ("fill" + std::to_string(fill) + ".bin")).string();
        {
            const std::vector<char> bytes(kFileSize, static_cast<char>(fill));
            std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
        }
        const std::string cat = "cat '" + path + "' > /dev/null";
        const double catSeconds = BestSeconds([&] { status |= std::system(cat.c_str()); });
        const double scanSeconds = BestSeconds([&] {
            MP3Utils reader;
            status |= reader.MP3File(path) ? 0 : 1;
        });
        std::printf("64 MiB of 0x%02X: scan %.1f ms, cat %.1f ms, ratio %.2f\n", fill,
                    scanSeconds * 1e3, catSeconds * 1e3, scanSeconds / catSeconds);
    }
    std::filesystem::remove_all(dir);
    return status == 0 ? 0 : 1;
}
