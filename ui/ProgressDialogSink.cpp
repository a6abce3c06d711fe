#include "ProgressDialogSink.h"

#include <QCoreApplication>

namespace {

std::int64_t MonotonicMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

}  // namespace

ProgressDialogSink::ProgressDialogSink(QWidget* owner) : owner_(owner) {}

ProgressDialogSink::~ProgressDialogSink() {
    // The dialog reads our values; it must not outlive them.
    delete dialog_.data();
}

void ProgressDialogSink::ShowDialog() {
    CloseDialog();  // every opening starts afresh
    dialog_ = new frmProgress(values_, owner_);
    dialog_->show();
    yieldedBefore_ = false;  // let the next Yield paint the new dialog at once
}

void ProgressDialogSink::CloseDialog() {
    if (dialog_) dialog_->Unload();
    dialog_ = nullptr;
}

void ProgressDialogSink::RequestCancel() {
    values_.cancel = true;
    CloseDialog();
}

void ProgressDialogSink::Yield() {
    const std::int64_t now = MonotonicMs();
    if (yieldedBefore_ && now - lastYieldMs_ < kYieldIntervalMs) return;
    yieldedBefore_ = true;
    lastYieldMs_ = now;
    QCoreApplication::processEvents();
}
