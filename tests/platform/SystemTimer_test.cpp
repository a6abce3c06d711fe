#include "SystemTimer.h"

#include <gtest/gtest.h>

#include "LocaleNumeric.h"

namespace {

std::uint32_t gTick = 0;
std::uint32_t Tick() {
    return gTick;
}

// The stored time after a measurement of `ms`, started at `from`.
SystemTimer Measured(std::int32_t ms, std::uint32_t from = 1000) {
    SystemTimer timer(&Tick);
    gTick = from;
    timer.StartTimer();
    gTick = from + static_cast<std::uint32_t>(ms);
    timer.StopTimer();
    return timer;
}

}  // namespace

TEST(SystemTimer, FormattingTable) {
    platform::SetDecimalSeparatorSourceForTesting([] { return std::string("."); });
    const std::pair<std::int32_t, const char*> table[] = {
        {0, "<1 ms"},           {5, "5 ms"},          {999, "999 ms"},
        {1000, "1.0 s"},        {1234, "1.23 s"},     {1005, "1.01 s"},
        {59990, "59.99 s"},     {59991, "1:00 m"},    {60500, "1:00 m"},
        {61500, "1:02 m"},      {3599999, "60:00 m"}, {3600000, "1:00:00 h"},
        {3661000, "1:01:01 h"}, {-5000, ":00:-05 h"}, {-3661000, "-1:-01:-01 h"},
    };
    for (const auto& [ms, text] : table) EXPECT_EQ(Measured(ms).sFormattedElapsedTime(), text);
    platform::SetDecimalSeparatorSourceForTesting([] { return std::string(","); });
    EXPECT_EQ(Measured(1234).sFormattedElapsedTime(), "1,23 s");
    platform::SetDecimalSeparatorSourceForTesting(nullptr);
}

TEST(SystemTimer, LiveAndStoredTimes) {
    SystemTimer fresh(&Tick);
    EXPECT_EQ(fresh.ElapsedTime(), 0);
    EXPECT_EQ(fresh.sElapsedTime(), "0");
    SystemTimer timer = Measured(512, 0xFFFFFF00u);  // across the tick's wrap
    EXPECT_EQ(timer.sElapsedTime(), "512");
    timer.StartTimer();
    gTick += 5000;
    EXPECT_EQ(timer.ElapsedTime(), 5000);
    EXPECT_EQ(timer.sFormattedElapsedTime(), "512 ms");  // texts keep the stopped time
    gTick = 42;
    fresh.StopTimer();  // never started: measured from 0
    EXPECT_EQ(fresh.ElapsedTime(), 42);
}
