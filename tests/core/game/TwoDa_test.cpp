#include "TwoDa.h"

#include <gtest/gtest.h>

#include <utility>

namespace tunewrap::game {
namespace {

using namespace std::string_literals;

const TwoDaTable kTable{.hasDefault = true,
                        .defaultValue = "****",
                        .columns = {"Label", "Resource", "DisplayName"},
                        .rows = {{"****", "mus_a", "Day Song"}, {"12", "mus_long_name", ""}}};

TEST(TwoDa, CanonicalTextRoundTripsByteForByte) {
    const std::string canonical =
        "2DA V2.0\r\nDEFAULT: ****\r\n"
        "  Label Resource      DisplayName\r\n"
        "0 ****  mus_a         \"Day Song\"\r\n"
        "1 12    mus_long_name \"\"\r\n";
    EXPECT_EQ(WriteTwoDa(kTable), canonical);
    const TwoDaRead read = ReadTwoDa(canonical);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.table, kTable);

    const std::string text = WriteTwoDa({false, "", {"A"}, std::vector(11, std::vector{"x"s})});
    EXPECT_TRUE(text.starts_with("2DA V2.0\r\n\r\n   A\r\n0  x\r\n") &&
                text.ends_with("\n10 x\r\n"));
}

TEST(TwoDa, ReadsWhatOtherToolsWrite) {
    const TwoDaRead read = ReadTwoDa(
        "2DA V2.0 \t\n DEFAULT:\t\"****\"\n\n\tlabel RESOURCE  displayname\n"
        "7\t****\tmus_a \"Day Song\"\r\n\n  \t\nrow \"12\" mus_long_name \"\"");
    ASSERT_TRUE(read.ok) << read.error;
    TwoDaTable expected = kTable;
    expected.columns = {"label", "RESOURCE", "displayname"};
    EXPECT_EQ(read.table, expected);
    EXPECT_EQ(read.table.Column("DisplayName"), 2);
    EXPECT_EQ(read.table.Column("Stinger1"), -1);
    EXPECT_FALSE(ReadTwoDa("2DA V2.0\n\nA\n").table.hasDefault);
}

TEST(TwoDa, RefusesDamagedTablesAtTheirLine) {
    // clang-format off
    for (const auto& [text, line] : std::initializer_list<std::pair<std::string_view, int>>{
             {"", 1}, {"2DA V2.1\nA\n", 1}, {" 2DA V2.0\n\nA\n", 1}, {"2DA V2.0\nA B\n0 x y\n", 2},
             {"2DA V2.0\nDEFAULT:\nA\n", 2}, {"2DA V2.0\nDEFAULT: \"a\nA\n", 2},
             {"2DA V2.0\n\n\n \n", 0}, {"2DA V2.0\n\n\"A B\n", 3}, {"2DA V2.0\n\nA B\n0 x\n", 4},
             {"2DA V2.0\n\nA\n\n0 x y\n", 5}, {"2DA V2.0\r\n\r\nA\r\n0 x\r\n1 \"x\r\n", 5}}) {
        // clang-format on
        const TwoDaRead read = ReadTwoDa(text);
        EXPECT_FALSE(read.ok || read.error.empty()) << text;
        EXPECT_EQ(read.line, line) << text;
    }
}

}  // namespace
}  // namespace tunewrap::game
