#include "mdlString.h"

#include <gtest/gtest.h>

#include <vector>

using mdlString::CountOccurrences;
using mdlString::NextToken;
using mdlString::TrimmedStr;

namespace {

struct TokenStep {
    std::string token;
    std::int16_t positionAfter;
};

void ExpectTokens(const std::string& text, const std::string& delimiter, std::int16_t start,
                  const std::vector<TokenStep>& steps) {
    std::int16_t position = start;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i + 1));
        EXPECT_EQ(NextToken(text, delimiter, position), steps[i].token);
        EXPECT_EQ(position, steps[i].positionAfter);
    }
}

}  // namespace

TEST(NextToken, WalksAListOfTerminatedItems) {
    ExpectTokens("a.mp3|bb.mp3|", "|", 1, {{"a.mp3", 7}, {"bb.mp3", 14}, {"", 0}, {"", 0}});
}

TEST(NextToken, EdgeCases) {
    ExpectTokens("a||b|", "|", 1, {{"a", 3}, {"", 4}, {"b", 6}});      // empty token between two
    ExpectTokens("abc|", "|", 9, {{"", 0}});                           // start beyond the end
    ExpectTokens("a|last", "|", 1, {{"a", 3}, {"", 0}});               // unterminated item lost
    ExpectTokens("abc", "", 2, {{"", 3}, {"", 4}, {"", 5}, {"", 0}});  // empty delimiter
    ExpectTokens("a<>b<>", "<>", 1, {{"a", 3}, {">b", 6}});            // moves past one character
    ExpectTokens("a|", "|", 0, {{"", 0}});
    ExpectTokens("a|", "|", -3, {{"", 0}});
}

TEST(NextToken, StopsInsteadOfOverflowingThePosition) {
    std::string text(32766, 'x');
    text += "|y|";
    std::int16_t position = 1;
    EXPECT_EQ(NextToken(text, "|", position), "");
    EXPECT_EQ(position, 0);
}

TEST(CountOccurrences, CountsWithoutOverlap) {
    EXPECT_EQ(CountOccurrences("aaaa", "aa"), 2);
    EXPECT_EQ(CountOccurrences("aaa", "aa"), 1);
    EXPECT_EQ(CountOccurrences("", "|"), 0);
    EXPECT_EQ(CountOccurrences("a|b|c|", "|"), 3);
    EXPECT_EQ(CountOccurrences("A|", "a"), 0);
    EXPECT_EQ(CountOccurrences("abc", ""), 0);
}

TEST(TrimmedStr, PlainLocaleFreeText) {
    EXPECT_EQ(TrimmedStr(1), "1");
    EXPECT_EQ(TrimmedStr(-1), "-1");
    EXPECT_EQ(TrimmedStr(0), "0");
    EXPECT_EQ(TrimmedStr(std::int32_t{-2147483647 - 1}), "-2147483648");
    EXPECT_EQ(TrimmedStr(1935.5f), "1935.5");
    EXPECT_EQ(TrimmedStr(-0.25f), "-0.25");
    EXPECT_EQ(TrimmedStr(1440.0f), "1440");
    EXPECT_EQ(TrimmedStr(-0.0f), "0");
    EXPECT_EQ(TrimmedStr(1234567.0f), "1234567");
    EXPECT_EQ(TrimmedStr(0.1f), "0.1");
}
