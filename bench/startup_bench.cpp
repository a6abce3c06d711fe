// Time from program start to the main window shown, with two stored directories of 2,000 files
// each. Each run is a fresh process; prints each run and the median (target < 0.5 s).
// Usage: startup_bench [files=2000] [runs=7]
#include <fcntl.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "WindowBench.h"
#include "frmMainTestAccess.h"
#include "mdlRegistry.h"

using namespace windowbench;

namespace {

int ShowWindowOnce(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    frmMainTestAccess window;
    window.show();
    QApplication::processEvents();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.4f %d %d\n", seconds, window.lvwMP3List->topLevelItemCount(),
                window.lvwBMUList->topLevelItemCount());
    return 0;
}

void MakeFiles(const std::string& dir, const char* extension, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string path = dir + "/Song number " + std::to_string(i) + extension;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            if (::write(fd, "BMU V1.0", 8) != 8) std::perror(path.c_str());
            ::close(fd);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) return ShowWindowOnce(argc, argv);
    const int files = static_cast<int>(Arg(argc, argv, 1, 2000));
    const long runs = Arg(argc, argv, 2, 7);
    PrivateHome home;
    MakeFiles(home.Directory("mp3"), ".mp3", files);
    MakeFiles(home.Directory("bmu"), ".bmu", files / 2);
    MakeFiles(home.Path("bmu"), ".wav", files - files / 2);
    using namespace mdlRegistry;
    WriteRegString(HKEY_LOCAL_MACHINE, kProgramKey, "MP3Dir", home.Path("mp3"));
    WriteRegString(HKEY_LOCAL_MACHINE, kProgramKey, "BMUDir", home.Path("bmu"));

    std::vector<double> times;
    for (long run = 0; run < runs; ++run) {
        const std::string command = std::string(argv[0]) + " --child";
        FILE* child = ::popen(command.c_str(), "r");
        double seconds = 0;
        int mp3Rows = 0;
        int bmuRows = 0;
        if (child == nullptr ||
            std::fscanf(child, "%lf %d %d", &seconds, &mp3Rows, &bmuRows) != 3) {
            std::fprintf(stderr, "child run failed\n");
            return 1;
        }
        ::pclose(child);
        times.push_back(seconds);
        std::printf("run %ld: window shown after %.3f s (%d + %d rows)\n", run + 1, seconds,
                    mp3Rows, bmuRows);
    }
    std::printf("median start-up to window shown: %.3f s (target < 0.5 s)\n", Median(times));
    return 0;
}
