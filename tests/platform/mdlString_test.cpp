#include "mdlString.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mdlString;

// Each row: text, delimiter, start, then (token, position after) per call.
TEST(mdlString, NextToken) {
    struct Row {
        std::string text, delimiter;
        std::int16_t start;
        std::vector<std::pair<std::string, std::int16_t>> calls;
    };
    const Row rows[] = {
        {"a.mp3|bb.mp3|", "|", 1, {{"a.mp3", 7}, {"bb.mp3", 14}, {"", 0}, {"", 0}}},
        {"a||b|", "|", 1, {{"a", 3}, {"", 4}, {"b", 6}}},
        {"abc|", "|", 9, {{"", 0}}},
        {"a|last", "|", 1, {{"a", 3}, {"", 0}}},
        {"abc", "", 3, {{"", 4}, {"", 5}, {"", 0}}},
        {"a<>b<>", "<>", 1, {{"a", 3}, {">b", 6}}},
        {"a|", "|", -3, {{"", 0}}},
        {std::string(32766, 'x') + "|y|", "|", 1, {{"", 0}}},  // no wrap past 32767
    };
    for (const Row& row : rows) {
        std::int16_t position = row.start;
        for (const auto& [token, after] : row.calls) {
            EXPECT_EQ(NextToken(row.text, row.delimiter, position), token) << row.text;
            EXPECT_EQ(position, after) << row.text;
        }
    }
}
