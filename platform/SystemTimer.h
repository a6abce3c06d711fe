#pragma once
#include <cstdint>
#include <string>

namespace platform {
// The OS's millisecond tick, wrapping at 2^32 (about 49.7 days after boot).
std::uint32_t GetTickCount();
}  // namespace platform

// Millisecond stopwatch. Intervals are wrapping 32-bit differences of the tick source, so a
// measurement across the tick's wrap is still right. The tick source can be replaced (tests).
class SystemTimer {
  public:
    using TickSource = std::uint32_t (*)();

    explicit SystemTimer(TickSource tick = &platform::GetTickCount);

    void StartTimer();
    void StopTimer();
    std::int32_t ElapsedTime() const;           // live while running, else the stored time
    std::string sElapsedTime() const;           // stored time as plain digits
    std::string sFormattedElapsedTime() const;  // stored time as "<1 ms", "5 ms", "1.23 s", ...

  private:
    TickSource tick_;
    bool running_ = false;
    std::uint32_t startTick_ = 0;
    std::int32_t storedElapsed_ = 0;
};
