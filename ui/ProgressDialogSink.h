#pragma once
#include <QElapsedTimer>
#include <QPointer>

#include <cstdint>
#include <string>

#include "ProgressSink.h"
#include "ProgressValues.h"
#include "frmProgress.h"

class QWidget;

// The window's ProgressSink: keeps the values a copy reports and shows them in frmProgress.
class ProgressDialogSink : public ProgressSink {
  public:
    // Pending events are handled at most this often: a copy yields after every 4 KiB block,
    // and a full pass of the event loop per block would dominate a fast copy.
    static constexpr std::int64_t kYieldIntervalMs = 15;

    explicit ProgressDialogSink(QWidget* owner);
    ~ProgressDialogSink() override;
    ProgressDialogSink(const ProgressDialogSink&) = delete;
    ProgressDialogSink& operator=(const ProgressDialogSink&) = delete;

    void SetFileName(const std::string& fileName) override { values_.fileName = fileName; }
    void SetTotal(std::int64_t total) override { values_.total = total; }
    void SetDone(std::int64_t done) override { values_.done = done; }
    void SetBatchPosition(const BatchPosition& position) override { values_.batch = position; }
    void ShowDialog() override;
    void CloseDialog() override;
    bool CancelRequested() const override { return values_.cancel; }
    void ClearCancel() override { values_.cancel = false; }
    void Yield() override;

    // Stops the running copy as Cancel would (closing the window, a termination signal).
    void RequestCancel();

    // The dialog this sink opened last, until it closes; else null.
    frmProgress* Dialog() const { return dialog_; }

  private:
    QWidget* owner_;
    ProgressValues values_;
    QPointer<frmProgress> dialog_;
    bool yieldedBefore_ = false;
    std::int64_t lastYieldMs_ = 0;
};
