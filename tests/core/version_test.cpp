#include "Version.h"

#include <gtest/gtest.h>

TEST(Version, TitleShowsTwoDigitMinor) {
    EXPECT_EQ(tunewrap::VersionTitle(), "Tunewrap - v0.35");
}
