#include "FolderWatch.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

FolderWatch::FolderWatch(QObject* parent)
    : QObject(parent), watcher_(new QFileSystemWatcher(this)), quiet_(new QTimer(this)) {
    quiet_->setObjectName(QStringLiteral("tmrQuiet"));
    quiet_->setSingleShot(true);
    quiet_->setInterval(kQuietMs);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::Changed);
    connect(quiet_, &QTimer::timeout, this, &FolderWatch::Quiet);
}

// A folder that vanished drops out of the watcher, so the same name is watched afresh when it is
// listed again.
void FolderWatch::Watch(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    if (watcher_->directories() == QStringList{clean}) return;
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    if (QFileInfo(clean).isDir()) watcher_->addPath(clean);
}

void FolderWatch::AwaitQuiet() {
    quiet_->start();
}
