// Start-up as users feel it: the real tunewrap (offscreen) from exec to its window idle with both
// lists filled and painted, against `ls -l` of the same MP3 folder, as whole processes in
// alternating order. The MP3 folder holds `files` files of real MPEG frames, the BMU folder a
// tenth as many BMU files. The idle moment is reported by a probe Qt loads into the unchanged
// program (idle_probe.cpp), which ends it there. Prints each run, the median ratio (target: at
// most 2.0 for 20,000 files, 2.5 for 100,000) and the window's peak memory. With `facts` 1 the
// lists start with every audio fact's column shown, so their reading runs on while the window
// goes idle.
// Usage: startup_bench [files=20000] [runs=7] [facts=0]
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "WindowBench.h"
#include "mdlRegistry.h"

using namespace windowbench;

namespace {

void MakeFiles(const std::string& dir, const std::string& extension, const std::string& bytes,
               long count) {
    for (long i = 0; i < count; ++i) {
        std::ofstream(dir + "/Song number " + std::to_string(i) + extension, std::ios::binary)
            << bytes;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const long files = Arg(argc, argv, 1, 20000);
    const long runs = Arg(argc, argv, 2, 7);
    const bool facts = Arg(argc, argv, 3, 0) != 0;
    PrivateHome home;
    const std::string frames = ReadSample(BENCH_SAMPLE_MP3);
    const std::string mp3s = home.Directory("mp3"), bmus = home.Directory("bmu");
    MakeFiles(mp3s, ".mp3", frames, files);
    MakeFiles(bmus, ".bmu", "BMU V1.0" + frames, files / 10);
    using namespace mdlRegistry;
    WriteRegString(HKEY_CURRENT_USER, kProgramKey, "MP3Dir", mp3s);
    WriteRegString(HKEY_CURRENT_USER, kProgramKey, "BMUDir", bmus);
    for (const char* list : {"MP3", "BMU"}) {
        for (const char* column : {"Length", "BitRate", "KHz", "Channels", "Verdict"}) {
            WriteRegString(HKEY_CURRENT_USER, kProgramKey, std::string(list) + column + "ColHidden",
                           facts ? "0" : "1");
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_PLUGIN_PATH", IDLE_PROBE_PLUGIN_PATH, 1);
    setenv("QT_QPA_GENERIC_PLUGINS", "tunewrapidleprobe", 1);

    const std::string rows = home.Path("rows");
    std::vector<double> ratios;
    long peakKiB = 0;
    for (long run = 0; run < runs; ++run) {
        const auto [window, ls] = TimedInTurn(
            static_cast<int>(run),
            [&] { return Seconds([&] { Run({TUNEWRAP_WINDOW}, &peakKiB, rows.c_str()); }); },
            [&] { return Seconds([&] {
                      Run({"ls", "-l", mp3s});
                  }); });
        std::ifstream listed(rows);
        long mp3Rows = -1, bmuRows = -1;
        listed >> mp3Rows >> bmuRows;
        if (mp3Rows != files || bmuRows != files / 10) {
            std::fprintf(stderr, "the window listed %ld and %ld files, not %ld and %ld\n", mp3Rows,
                         bmuRows, files, files / 10);
            return 1;
        }
        ratios.push_back(window / ls);
        std::printf("run %ld: window idle after %.3f s, ls -l %.3f s, ratio %.2f, %.1f MiB\n",
                    run + 1, window, ls, window / ls, peakKiB / 1024.0);
    }
    std::printf("%ld files, %ld runs, facts %s: median ratio window idle / ls -l %.2f\n", files,
                runs, facts ? "shown" : "hidden", Median(ratios));
    return 0;
}
