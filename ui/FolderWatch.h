#pragma once
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

// Watches one folder for entries that appear, vanish, are renamed or have their times or rights
// changed, and times the quiet after them when asked: whether and when to read the folder again
// is for its owner to decide.
class FolderWatch : public QObject {
    Q_OBJECT
  public:
    static constexpr int kQuietMs = 400;

    explicit FolderWatch(QObject* parent);

    void Watch(const QString& folder);  // this one from now on
    void AwaitQuiet();                  // Quiet comes once kQuietMs pass without a new call

  signals:
    void Changed();
    void Quiet();

  private:
    QFileSystemWatcher* watcher_;
    QTimer* quiet_;
};
