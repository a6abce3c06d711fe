#include "FileListFill.h"

#include <QApplication>
#include <QList>

#include "BmuFile.h"
#include "FileIo.h"
#include "FileListText.h"
#include "FileListView.h"
#include "mdlFileOps.h"

namespace {

// Wave audio shares the ".wav" name with BMU files; a file that cannot be probed is left out
// rather than guessed at.
bool IsWaveAudio(const std::string& name, const std::string& path) {
    if (!tunewrap::HasExtension(name, tunewrap::kWavExtension)) return false;
    const tunewrap::ContainerProbe probe = tunewrap::ProbeContainer(path);
    return !probe.read() || probe.kind == tunewrap::Container::RiffWave;
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
        if (IsWaveAudio(name, path)) continue;
        std::int64_t size = -1;
        platform::FileTime modified;
        if (!platform::SizeAndModified(path, size, modified)) continue;
        rows.append(FileListView::NewRow(name, size, modified.seconds, texts));
    }
    list.addTopLevelItems(rows);
    list.ApplySort();
}

bool ShownInList(tunewrap::ListId list, const std::string& name, const std::string& path) {
    using tunewrap::HasExtension;
    if (list == tunewrap::ListId::MP3) return HasExtension(name, tunewrap::kMp3Extension);
    return HasExtension(name, tunewrap::kBmuExtension) ||
           (HasExtension(name, tunewrap::kWavExtension) && !IsWaveAudio(name, path));
}
