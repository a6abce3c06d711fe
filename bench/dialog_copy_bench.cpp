// Wall time of a 256 MiB wrap through the window's progress sink (dialog open, events handled
// as the copy yields) against `cp --reflink=never` of the same file. Prints the ratio.
// Run: QT_QPA_PLATFORM=offscreen build/bench/dialog_copy_bench [MiB]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "ConvertFile.h"
#include "ProgressDialogSink.h"

namespace {

double BestOfThreeMs(const std::function<void()>& run, const QString& output) {
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        QFile::remove(output);
        QElapsedTimer clock;
        clock.start();
        run();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    QFile::remove(output);
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const qint64 mib = argc > 1 ? std::max(1, atoi(argv[1])) : 256;
    QTemporaryDir dir(QDir::currentPath() + "/bench-XXXXXX");
    const QString source = dir.filePath("source.mp3"), copy = dir.filePath("copy.mp3"),
                  wrapped = dir.filePath("source.bmu");
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        const QByteArray chunk(1 << 20, '\x5a');
        for (qint64 i = 0; i < mib; ++i) file.write(chunk);
    }
    QWidget owner;
    owner.show();
    ProgressDialogSink sink(&owner);
    SystemTimer stopwatch;

    const double cpMs = BestOfThreeMs(
        [&] {
            QProcess::execute("cp", {"--reflink=never", source, copy});
        },
        copy);
    const double wrapMs = BestOfThreeMs(
        [&] {
            tunewrap::ConvertFileToBMU(source.toStdString(), wrapped.toStdString(), "source.mp3",
                                       false, sink, stopwatch);
        },
        wrapped);
    std::printf("%lld MiB: cp %.0f ms, wrap through the progress dialog %.0f ms, ratio %.2f\n",
                static_cast<long long>(mib), cpMs, wrapMs, wrapMs / cpMs);
    return 0;
}
