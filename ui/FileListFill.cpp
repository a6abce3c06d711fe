#include "FileListFill.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QList>
#include <array>
#include <cstring>

#include "FileListText.h"
#include "FileListView.h"
#include "mdlFileOps.h"

namespace {

enum class WaveProbe { NotWave, RiffAudio, Unreadable };

bool EndsInLowerWav(const std::string& name) {
    return name.size() >= 3 && name.compare(name.size() - 3, 3, "wav") == 0;
}

// Non-blocking: a named pipe called "x.wav" would otherwise hang the window until written to.
WaveProbe ProbeWave(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return WaveProbe::Unreadable;
    std::array<char, 4> head{};
    const ssize_t got = ::read(fd, head.data(), head.size());
    ::close(fd);
    if (got < 0) return WaveProbe::Unreadable;
    return got == 4 && std::memcmp(head.data(), "RIFF", 4) == 0 ? WaveProbe::RiffAudio
                                                                : WaveProbe::NotWave;
}

class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

void FillFileList(FileListView& list, const std::string& dirWithSeparator, const std::string& mask,
                  bool append) {
    BusyPointer busy;
    if (!append) list.clear();

    FileListText texts;
    QList<QTreeWidgetItem*> rows;
    mdlFileOps::SearchHandle search = 0;
    const std::string pattern = dirWithSeparator + mask;
    for (std::string name = mdlFileOps::FindFile(search, pattern, 0); !name.empty();
         name = mdlFileOps::FindFile(search, pattern, 0)) {
        const std::string path = dirWithSeparator + name;
        if (EndsInLowerWav(name) && ProbeWave(path) != WaveProbe::NotWave) continue;
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) continue;
        rows.append(FileListView::NewRow(name, mdlFileOps::GetFileLength(path), info.st_mtim.tv_sec,
                                         texts));
    }
    list.addTopLevelItems(rows);
    list.ApplySort();
}
