#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ProgressSink.h"

// A tick that only moves when a test moves it; pass &FakeTick to a SystemTimer.
inline std::uint32_t gFakeTickMs = 0;
inline std::uint32_t FakeTick() {
    return gFakeTickMs;
}

// Records what a copy reports, in order ("file NAME", "total N", "done N", "show", "close",
// "yield", "batch FILE/FILES BEFORE+BYTES/BATCHBYTES"), and plays the user: presses Cancel during a
// chosen Yield, lets time pass on every Yield, or runs any code there.
class FakeProgressSink : public ProgressSink {
  public:
    std::vector<std::string> events;
    bool cancel = false;
    int yields = 0, cancelAtYield = 0;  // 1-based; 0 never
    std::uint32_t msPerYield = 0;
    std::function<void()> onYield;

    void SetFileName(const std::string& name) override { events.push_back("file " + name); }
    void SetTotal(std::int64_t n) override { events.push_back("total " + std::to_string(n)); }
    void SetDone(std::int64_t n) override { events.push_back("done " + std::to_string(n)); }
    void ShowDialog() override { events.push_back("show"); }
    void CloseDialog() override { events.push_back("close"); }
    bool CancelRequested() const override { return cancel; }
    void ClearCancel() override { cancel = false; }
    void SetBatchPosition(const BatchPosition& at) override {
        events.push_back("batch " + std::to_string(at.file) + "/" + std::to_string(at.files) + " " +
                         std::to_string(at.bytesBefore) + "+" + std::to_string(at.fileBytes) + "/" +
                         std::to_string(at.batchBytes));
    }
    void Yield() override {
        events.push_back("yield");
        gFakeTickMs += msPerYield;
        if (++yields == cancelAtYield) cancel = true;
        if (onYield) onYield();
    }

    int IndexOf(const std::string& event) const {
        const auto at = std::find(events.begin(), events.end(), event);
        return at == events.end() ? -1 : static_cast<int>(at - events.begin());
    }
};
