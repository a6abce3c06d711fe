#include "SystemTimer.h"

#include <gtest/gtest.h>

#include "LocaleNumeric.h"

namespace {

std::uint32_t gTick = 0;
std::uint32_t FakeTick() {
    return gTick;
}
std::string CommaSeparator() {
    return ",";
}

class SystemTimerTest : public ::testing::Test {
  protected:
    void TearDown() override { platform::SetDecimalSeparatorSourceForTesting(nullptr); }

    // A stopwatch whose stored time is `ms`.
    static std::string Formatted(std::int32_t ms) {
        SystemTimer timer(&FakeTick);
        gTick = 1000;
        timer.StartTimer();
        gTick = 1000 + static_cast<std::uint32_t>(ms);
        timer.StopTimer();
        return timer.sFormattedElapsedTime();
    }
};

}  // namespace

TEST_F(SystemTimerTest, NewTimerIsZero) {
    SystemTimer timer(&FakeTick);
    EXPECT_EQ(timer.ElapsedTime(), 0);
    EXPECT_EQ(timer.sElapsedTime(), "0");
    EXPECT_EQ(timer.sFormattedElapsedTime(), "<1 ms");
}

TEST_F(SystemTimerTest, FormattingTable) {
    platform::SetDecimalSeparatorSourceForTesting([] { return std::string("."); });
    const std::pair<std::int32_t, const char*> table[] = {
        {0, "<1 ms"},
        {5, "5 ms"},
        {999, "999 ms"},
        {1000, "1.0 s"},
        {1234, "1.23 s"},
        {1005, "1.01 s"},
        {1500, "1.5 s"},
        {59990, "59.99 s"},
        {59991, "1:00 m"},
        {60500, "1:00 m"},
        {61500, "1:02 m"},
        {65000, "1:05 m"},
        {3599999, "60:00 m"},
        {3600000, "1:00:00 h"},
        {3661000, "1:01:01 h"},
        {-5000, ":00:-05 h"},
        {-3661000, "-1:-01:-01 h"},
    };
    for (const auto& [ms, text] : table) EXPECT_EQ(Formatted(ms), text) << ms;
}

TEST_F(SystemTimerTest, SecondsFollowTheUserDecimalSeparator) {
    platform::SetDecimalSeparatorSourceForTesting(&CommaSeparator);
    EXPECT_EQ(Formatted(1234), "1,23 s");
    EXPECT_EQ(Formatted(65000), "1:05 m");
}

TEST_F(SystemTimerTest, TextsShowTheStoredTimeWhileRunning) {
    SystemTimer timer(&FakeTick);
    gTick = 0;
    timer.StartTimer();
    gTick = 250;
    timer.StopTimer();
    timer.StartTimer();
    gTick = 5250;
    EXPECT_EQ(timer.ElapsedTime(), 5000);
    EXPECT_EQ(timer.sElapsedTime(), "250");
    EXPECT_EQ(timer.sFormattedElapsedTime(), "250 ms");
}

TEST_F(SystemTimerTest, MeasuresAcrossTheTickWrap) {
    SystemTimer timer(&FakeTick);
    gTick = 0xFFFFFF00u;
    timer.StartTimer();
    gTick = 0x100u;
    EXPECT_EQ(timer.ElapsedTime(), 0x200);
    timer.StopTimer();
    EXPECT_EQ(timer.sElapsedTime(), "512");
}

TEST_F(SystemTimerTest, StopWithoutStartMeasuresFromZero) {
    SystemTimer timer(&FakeTick);
    gTick = 42;
    timer.StopTimer();
    EXPECT_EQ(timer.ElapsedTime(), 42);
}

TEST(UserDecimalSeparator, CLocaleGivesPeriod) {
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(platform::UserDecimalSeparator(), ".");
    unsetenv("LC_ALL");
}

TEST(TickCount, IsMonotonic) {
    const std::uint32_t first = GetTickCount();
    EXPECT_LE(static_cast<std::int32_t>(first - GetTickCount()), 0);
}
