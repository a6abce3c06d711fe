// FillFileList on a directory of many MP3 files against `ls -l` on the same directory, side by
// side. Prints each run and the median ratio (ours / ls); at most 5 is the target. Then what the
// audio facts cost once filled in: the time their reader takes over as many files of real frames
// (each run after a listing, the files in page cache), and the memory they add to the list.
// Usage: fill_list_bench [files=20000] [runs=7]
#include <fcntl.h>
#include <sys/stat.h>

#include <QApplication>
#include <QEventLoop>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "FactsReader.h"
#include "FileListFill.h"
#include "FileListView.h"
#include "WindowBench.h"
#include "common/ProcStatus.h"

using namespace windowbench;

int main(int argc, char** argv) {
    const long files = Arg(argc, argv, 1, 20000);
    const long runs = Arg(argc, argv, 2, 7);
    PrivateHome home;
    const std::string dir = home.Directory("many");
    QApplication app(argc, argv);
    for (long i = 0; i < files; ++i) {
        const std::string path = dir + "/Track " + std::to_string(i) + ".mp3";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return 1;
        if (::ftruncate(fd, 4096 + i) != 0) return 1;
        const struct timespec times[2] = {{0, UTIME_OMIT}, {1700000000 + i * 3571L, 0}};
        ::futimens(fd, times);
        ::close(fd);
    }

    FileListView list;
    std::vector<double> ratios;
    for (long run = 0; run < runs; ++run) {
        const double ls = Seconds([&] { Run({"ls", "-l", dir}); });
        const double ours = Seconds([&] { FillFileList(list, dir + "/", "*.mp3", false); });
        ratios.push_back(ours / ls);
        std::printf("run %ld: FillFileList %.3f s (%d rows), ls -l %.3f s, ratio %.2f\n", run + 1,
                    ours, list.topLevelItemCount(), ls, ours / ls);
    }
    std::printf("median ratio FillFileList / ls -l: %.2f (target <= 5)\n", Median(ratios));

    const std::string songs = home.Directory("songs");
    const std::string frames = ReadSample(BENCH_SAMPLE_MP3);
    for (long i = 0; i < files; ++i)
        std::ofstream(songs + "/Song " + std::to_string(i) + ".mp3", std::ios::binary) << frames;
    std::vector<double> fills;
    long addedKiB = 0;
    for (long run = 0; run < runs; ++run) {
        FileListView songList;
        FillFileList(songList, songs + "/", "*.mp3", false);
        const long before = ProcStatusKiB("VmRSS");
        FactsReader reader(songList, tunewrap::ListId::MP3);
        QEventLoop loop;
        QObject::connect(&reader, &FactsReader::FactsFilled, &loop, &QEventLoop::quit);
        fills.push_back(Seconds([&] {
            reader.Start(songs + "/", false);
            loop.exec();
        }));
        addedKiB = ProcStatusKiB("VmRSS") - before;
        std::printf("run %ld: facts of %d rows filled in %.3f s, %.1f MiB more\n", run + 1,
                    songList.topLevelItemCount(), fills.back(), addedKiB / 1024.0);
    }
    std::printf("median time to fill the facts: %.3f s\n", Median(fills));
    return 0;
}
