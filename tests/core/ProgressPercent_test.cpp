#include <gtest/gtest.h>

#include <cstdint>

#include "ProgressSink.h"

// The window's bar and the command line's progress line both show this number.
TEST(ProgressPercent, RoundsHalvesToEvenClampsAndCallsAnEmptyCopyComplete) {
    constexpr std::int64_t kHuge = std::int64_t{1} << 56;  // beyond a double's exact halves
    const struct {
        std::int64_t done, total;
        int percent;
    } cases[] = {{0, 0, 100},
                 {5, 0, 100},
                 {0, 40, 0},
                 {1, 40, 2},
                 {3, 40, 8},
                 {2, 3, 67},
                 {1, 3, 33},
                 {-7, 40, 0},
                 {41, 40, 100},
                 {40, 40, 100},
                 {kHuge / 40 * 3, kHuge / 40 * 40, 8},
                 {kHuge / 40 + 1, kHuge, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(ProgressPercent(c.done, c.total), c.percent) << c.done << " of " << c.total;
}
