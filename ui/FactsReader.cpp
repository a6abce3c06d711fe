#include "FactsReader.h"

#include <QAbstractEventDispatcher>
#include <chrono>

#include "FileListView.h"

namespace {

// Handing over costs an event and a repaint: a few times a second is often enough to watch.
constexpr auto kHandOverEvery = std::chrono::milliseconds(200);

}  // namespace

FactsReader::FactsReader(FileListView& list, tunewrap::ListId id)
    : QObject(&list), list_(list), id_(id) {}

FactsReader::~FactsReader() {
    Stop();
}

void FactsReader::Stop() {
    disconnect(launch_);
    if (stop_) stop_->store(true);
    if (thread_.joinable()) thread_.join();
    ++generation_;  // batches already queued find the generation changed
    rows_.clear();
    filled_ = true;
}

void FactsReader::Start(const std::string& dirWithSeparator, bool wavOption) {
    Stop();
    wavOption_ = wavOption;
    filled_ = false;
    std::vector<std::string> paths;
    for (int i = 0; i < list_.topLevelItemCount(); ++i) {
        rows_.push_back(list_.topLevelItem(i));
        paths.push_back(dirWithSeparator + FileListView::FileName(*rows_.back()));
    }
    // The window lists, lays out and paints first: the reading waits until it has nothing else
    // to do, so a large folder's names show as soon as without the facts.
    launch_ = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                      this, [this, paths = std::move(paths)]() mutable {
                          disconnect(launch_);
                          Launch(std::move(paths));
                      });
}

void FactsReader::Launch(std::vector<std::string> paths) {
    stop_ = std::make_shared<std::atomic<bool>>(false);
    thread_ = std::thread([this, paths = std::move(paths), stop = stop_, generation = generation_] {
        Batch batch;
        auto handedOver = std::chrono::steady_clock::now();
        const auto handOver = [&](bool last) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, batch = std::move(batch), last] {
                    Take(generation, batch, last);
                },
                Qt::QueuedConnection);
            batch = {};
            handedOver = std::chrono::steady_clock::now();
        };
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (stop->load()) return;
            batch.emplace_back(i, tunewrap::ReadAudioFacts(paths[i]));
            if (std::chrono::steady_clock::now() - handedOver >= kHandOverEvery) handOver(false);
        }
        handOver(true);
    });
}

void FactsReader::Take(unsigned generation, const Batch& batch, bool last) {
    if (generation != generation_) return;
    for (const auto& [index, facts] : batch) {
        QTreeWidgetItem& row = *rows_[index];
        FileListView::SetFacts(row, facts,
                               tunewrap::JudgedAsWav(id_, FileListView::FileName(row), wavOption_));
    }
    list_.viewport()->update();
    if (!last) return;
    filled_ = true;
    emit FactsFilled();
}

void FactsReader::Judge(bool wavOption) {
    wavOption_ = wavOption;
    for (int i = 0; i < list_.topLevelItemCount(); ++i) {
        QTreeWidgetItem& row = *list_.topLevelItem(i);
        if (const tunewrap::AudioFacts* read = FileListView::Facts(row)) {
            const tunewrap::AudioFacts facts = *read;  // SetFacts replaces what `read` points to
            FileListView::SetFacts(
                row, facts, tunewrap::JudgedAsWav(id_, FileListView::FileName(row), wavOption));
        }
    }
    list_.viewport()->update();
}
