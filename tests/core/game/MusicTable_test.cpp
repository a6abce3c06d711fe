#include "MusicTable.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tunewrap::game {
namespace {

TEST(MusicTable, NewTracksGoAfterTheLastRowAndOldOnesKeepTheirs) {
    using Row = std::vector<std::string>;
    const Row old{"1234", "mus_old", "wav_a", "****", "****", "****", "x"};
    TwoDaTable table{
        false,
        "",
        {"description", "RESOURCE", "Stinger1", "Stinger2", "Stinger3", "DisplayName", "Extra"},
        {old}};
    ASSERT_EQ(MusicTableProblem(table), "");
    const auto rows = RegisterMusic(
        table, {{"mus_new", "New"}, {"MUS_OLD", "Other"}, {"mus_new", "Again"}, {"mus_b", "B"}});
    std::string got;
    for (const MusicRow& row : rows) got += std::to_string(row.row) + (row.added ? "+ " : " ");
    EXPECT_EQ(got, "1+ 0 1 2+ ");
    EXPECT_EQ(table.rows,
              (std::vector<Row>{old,
                                {"****", "mus_new", "****", "****", "****", "New", "****"},
                                {"****", "mus_b", "****", "****", "****", "B", "****"}}));
    table.columns[3] = "Stinger";
    EXPECT_NE(MusicTableProblem(table).find("Stinger2"), std::string::npos);
}

TEST(MusicTable, DisplayNames) {
    const std::string a255(255, 'a');
    // clang-format off
    for (const auto& [title, fileName, expected] :
         std::initializer_list<std::tuple<std::string, std::string_view, std::string>>{
             {"  Night \"Watch\" ", "x.mp3", "Night Watch"}, {"", "My Song.v2.mp3", "My Song.v2"},
             {" \t\"\" ", "Tab\tbed\x01\x7F\xC2\x85 Caf\xC3\xA9\xC2\xA0.mp3", "Tabbed Caf\xC3\xA9\xC2\xA0"},
             {"", ".mp3", "track"}, {"\x1F", "", "track"}, {a255 + "\xC3\xA9", "", a255},
             {a255 + " \xC3\xA9", "", a255}, {a255 + "bc", "", a255 + "b"}})
        // clang-format on
        EXPECT_EQ(DisplayNameFor(title, fileName), expected) << title << '|' << fileName;
}

}  // namespace
}  // namespace tunewrap::game
