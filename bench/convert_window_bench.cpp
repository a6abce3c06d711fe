// Wall time of converting one large MP3 file to BMU through the real main window (the batch
// job, its questions answered by script, the progress dialog and the event handling while the
// copy yields) against `cp --reflink=never` of the same file, side by side. Prints each run and
// the median ratio (ours / cp); at most 1.2 is the target.
// Usage: convert_window_bench [MiB=256] [runs=5]
#include <fcntl.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "WindowBench.h"
#include "frmMainTestAccess.h"
#include "mdlRegistry.h"

using namespace windowbench;

int main(int argc, char** argv) {
    const long mib = Arg(argc, argv, 1, 256);
    const long runs = Arg(argc, argv, 2, 5);
    PrivateHome home;
    const std::string mp3Dir = home.Directory("mp3");
    const std::string bmuDir = home.Directory("bmu");
    QApplication app(argc, argv);
    {
        // 128 kbit/s stereo frames, so the file passes the suitability test without a warning.
        const std::string header("\xFF\xFB\x90\x00", 4);
        const std::string frame = header + std::string(417 - 4, '\x55');
        std::string block;
        while (block.size() < (1 << 20)) block += frame;
        const int fd = ::open((mp3Dir + "/big.mp3").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (long i = 0; i < mib; ++i) {
            if (::write(fd, block.data(), 1 << 20) != 1 << 20) return 1;
        }
        ::close(fd);
    }
    using namespace mdlRegistry;
    WriteRegString(HKEY_CURRENT_USER, kProgramKey, "MP3Dir", mp3Dir);
    WriteRegString(HKEY_CURRENT_USER, kProgramKey, "BMUDir", bmuDir);
    WriteRegString(HKEY_CURRENT_USER, kProgramKey, "OverwriteAll", "1");

    frmMainTestAccess window;
    window.SetAskYesNoHook([](auto&&...) { return tunewrap::MsgButton::Yes; });
    window.show();
    QApplication::processEvents();

    const std::string cpTarget = home.Path("cp.bmu");
    std::vector<double> ratios;
    for (long run = 0; run < runs; ++run) {
        ::sync();
        const double cp = Seconds([&] {
            Run({"cp", "--reflink=never", mp3Dir + "/big.mp3", cpTarget});
        });
        ::sync();
        window.lvwMP3List->topLevelItem(0)->setSelected(true);
        const double ours = Seconds([&] { window.cmdConvertToBMU_Click(); });
        const auto size = std::filesystem::file_size(bmuDir + "/big.bmu");
        ratios.push_back(ours / cp);
        std::printf("run %ld: window %.3f s (%lld bytes), cp %.3f s, ratio %.2f\n", run + 1, ours,
                    static_cast<long long>(size), cp, ours / cp);
        // Both copies start without an old destination to replace.
        std::filesystem::remove(cpTarget);
        std::filesystem::remove(bmuDir + "/big.bmu");
    }
    std::printf("median ratio window / cp: %.2f (target <= 1.2)\n", Median(ratios));
    return 0;
}
