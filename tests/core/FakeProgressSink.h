#pragma once
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

// Records what a copy reports, in order, and plays the user: it can press Cancel during a given
// Yield, let time pass on every Yield, or run any code in the middle of a copy.
class FakeProgressSink : public ProgressSink {
  public:
    // "file NAME", "total N", "done N", "show", "close", "yield", "clear".
    std::vector<std::string> events;
    std::string fileName;
    std::int64_t total = 0;
    std::int64_t done = 0;
    bool cancel = false;
    int yields = 0;
    int cancelAtYield = 0;         // 1-based; 0 never
    std::uint32_t msPerYield = 0;  // moves gFakeTickMs
    std::function<void(int yield)> onYield;

    void SetFileName(const std::string& name) override {
        fileName = name;
        events.push_back("file " + name);
    }
    void SetTotal(std::int64_t value) override {
        total = value;
        events.push_back("total " + std::to_string(value));
    }
    void SetDone(std::int64_t value) override {
        done = value;
        events.push_back("done " + std::to_string(value));
    }
    void ShowDialog() override { events.push_back("show"); }
    void CloseDialog() override { events.push_back("close"); }
    bool CancelRequested() const override { return cancel; }
    void ClearCancel() override {
        cancel = false;
        events.push_back("clear");
    }
    void Yield() override {
        ++yields;
        events.push_back("yield");
        gFakeTickMs += msPerYield;
        if (yields == cancelAtYield) cancel = true;
        if (onYield) onYield(yields);
    }

    int Count(const std::string& event) const {
        int n = 0;
        for (const auto& e : events) n += e == event;
        return n;
    }
    // Index of the first occurrence, or -1.
    int IndexOf(const std::string& event) const {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (events[i] == event) return static_cast<int>(i);
        return -1;
    }
};
