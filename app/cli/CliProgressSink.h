#pragma once
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "ProgressSink.h"

namespace tunewrap::cli {

// The copy's progress as one line on a terminal: the file name, a bar and the percentage,
// drawn while the window program would show its progress dialog. Cancel is Ctrl+C.
class CliProgressSink : public ProgressSink {
  public:
    // drawBar is false when stderr is not a terminal: the copy then runs silently.
    CliProgressSink(bool drawBar, std::FILE* out);

    void SetFileName(const std::string& fileName) override;
    void SetTotal(std::int64_t total) override;
    void SetDone(std::int64_t done) override;
    void ShowDialog() override;
    void CloseDialog() override;
    bool CancelRequested() const override;
    // Ctrl+C stops the whole run, so a batch ending does not forget it.
    void ClearCancel() override {}
    void Yield() override {}

  private:
    void Draw(bool force);

    bool drawBar_;
    std::FILE* out_;
    std::string fileName_;
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
    bool shown_ = false;
    int drawnPercent_ = -1;
    std::chrono::steady_clock::time_point drawnAt_{};
};

}  // namespace tunewrap::cli
