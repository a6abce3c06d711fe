#include "UiText.h"

#include <gtest/gtest.h>

using platform::Filled;

TEST(UiText, FilledPlacesValuesByNumberOnce) {
    EXPECT_EQ(Filled("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(Filled("%1%2", {"%2", "x"}), "%2x");
    EXPECT_EQ(Filled("100% %0 %a %3 %", {"a", "b"}), "100% %0 %a %3 %");
}

TEST(UiText, TrGoesThroughTheInstalledLookup) {
    platform::SetTextLookup([](const char* context, const char* source) {
        return std::string(context) + "|" + source;
    });
    EXPECT_EQ(platform::Tr("Ctx", "text"), "Ctx|text");
    platform::SetTextLookup(nullptr);
    EXPECT_EQ(platform::Tr("Ctx", "text"), "text");
}
