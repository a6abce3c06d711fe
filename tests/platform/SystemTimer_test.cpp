#include "SystemTimer.h"

#include <gtest/gtest.h>

#include "LocaleNumeric.h"
#include "common/FakeProgressSink.h"

namespace {

TEST(SystemTimer, StoredTimesAndTheirTexts) {
    gFakeTickMs = 0xFFFFF000u;  // the first measurements run across the tick's wrap
    platform::SetDecimalSeparatorSourceForTesting([] { return std::string(","); });
    const std::pair<std::int32_t, const char*> table[] = {
        {0, "<1 ms"},           {5000, "5,0 s"},      {999, "999 ms"},
        {1000, "1,0 s"},        {1234, "1,23 s"},     {1005, "1,01 s"},
        {59990, "59,99 s"},     {59991, "1:00 m"},    {60500, "1:00 m"},
        {61500, "1:02 m"},      {3599999, "60:00 m"}, {3600000, "1:00:00 h"},
        {3661000, "1:01:01 h"}, {-5000, ":00:-05 h"}, {-3661000, "-1:-01:-01 h"},
    };
    SystemTimer timer(&FakeTick);
    for (const auto& [ms, text] : table) {
        timer.StartTimer();
        gFakeTickMs += static_cast<std::uint32_t>(ms);
        timer.StopTimer();
        EXPECT_EQ(timer.sFormattedElapsedTime(), text);
        EXPECT_EQ(timer.sElapsedTime(), std::to_string(ms));
    }
    platform::SetDecimalSeparatorSourceForTesting(nullptr);
    timer.StartTimer();
    gFakeTickMs += 5000;
    EXPECT_EQ(timer.ElapsedTime(), 5000);  // live while running; the texts keep the stored time
    EXPECT_EQ(timer.sFormattedElapsedTime(), "-1:-01:-01 h");
}

}  // namespace
