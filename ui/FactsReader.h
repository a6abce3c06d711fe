#pragma once
#include <QObject>
#include <QTreeWidgetItem>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "AudioFacts.h"
#include "ConversionHost.h"

class FileListView;

// Reads the audio facts of a list's rows on a thread of its own and hands them to the list's
// thread in batches, so a large folder is listed (and usable) before its files are read. The
// thread sees only paths; the rows are touched here, on the list's thread.
class FactsReader : public QObject {
    Q_OBJECT
  public:
    FactsReader(FileListView& list, tunewrap::ListId id);
    ~FactsReader() override;

    // Reads the rows the list has now, in `dirWithSeparator`, dropping a reading under way; it
    // starts once the window has nothing else to do.
    void Start(const std::string& dirWithSeparator, bool wavOption);
    // Ends a reading under way and drops what it read but not yet handed over: before the rows
    // go.
    void Stop();
    void Judge(bool wavOption);  // the rows read so far, again, and those to come
    bool Filled() const { return filled_; }

  signals:
    void FactsFilled();  // every row of the reading has its facts

  private:
    using Batch = std::vector<std::pair<std::size_t, tunewrap::AudioFacts>>;
    void Launch(std::vector<std::string> paths);
    void Take(unsigned generation, const Batch& batch, bool last);

    FileListView& list_;
    tunewrap::ListId id_;
    bool wavOption_ = false;
    bool filled_ = true;
    unsigned generation_ = 0;
    std::vector<QTreeWidgetItem*> rows_;  // in the order of the paths read
    QMetaObject::Connection launch_;      // the reading waits for the window's first idle moment
    std::shared_ptr<std::atomic<bool>> stop_;
    std::thread thread_;
};
