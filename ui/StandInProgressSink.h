#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "ProgressSink.h"

// Progress without a dialog: keeps the values, the cancel flag, and lets the window handle its
// events during a copy at most every few milliseconds, so the copy itself stays fast.
class ProgressDialogSink : public ProgressSink {
  public:
    explicit ProgressDialogSink(QWidget* owner) : owner_(owner) {}

    void SetFileName(const std::string& fileName) override { fileName_ = fileName; }
    void SetTotal(std::int64_t total) override { total_ = total; }
    void SetDone(std::int64_t done) override { done_ = done; }
    void ShowDialog() override {}
    void CloseDialog() override {}
    bool CancelRequested() const override { return cancel_; }
    void ClearCancel() override { cancel_ = false; }
    void Yield() override {
        if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kYieldIntervalMs) return;
        QCoreApplication::processEvents();
        sinceEvents_.start();
    }
    void RequestCancel() { cancel_ = true; }

  private:
    static constexpr qint64 kYieldIntervalMs = 5;
    QWidget* owner_;
    std::string fileName_;
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
    bool cancel_ = false;
    QElapsedTimer sinceEvents_;
};
