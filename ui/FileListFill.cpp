#include "FileListFill.h"

#include <QApplication>
#include <QList>

#include "FileIo.h"
#include "FileListText.h"
#include "FileListView.h"
#include "ListedFiles.h"
#include "mdlFileOps.h"

namespace {

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
        if (tunewrap::IsWaveAudio(name, path)) continue;
        std::int64_t size = -1;
        platform::FileTime modified;
        if (!platform::SizeAndModified(path, size, modified)) continue;
        rows.append(FileListView::NewRow(name, size, modified.seconds, texts));
    }
    list.addTopLevelItems(rows);
    list.ApplySort();
}
