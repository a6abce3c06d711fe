#include "ResRef.h"

#include <gtest/gtest.h>

#include <utility>

namespace tunewrap::game {
namespace {

TEST(ResRef, ValidOnlyAsStored) {
    for (const std::string_view name : {"a", "mus_bat_01", "abcdefghij012345"})
        EXPECT_TRUE(IsValidResRef(name)) << name;
    for (const std::string_view name :
         {"", "abcdefghij0123456", "Mus_a", "mus-a", "mus a", "caf\xC3\xA9"})
        EXPECT_FALSE(IsValidResRef(name)) << name;
}

// One after the other, so the later names clash with the earlier ones.
TEST(ResRef, MadeFromFileNames) {
    std::set<std::string> taken;
    // clang-format off
    for (const auto& [fileName, expected] :
         std::initializer_list<std::pair<std::string_view, std::string_view>>{
             {"Song.mp3", "song"}, {"My Song (Live).BMU", "my_song_live"},
             {"Caf\xC3\xA9 Cr\xC3\xA8me.wav", "cafe_creme"}, {"a.b.mp3", "a_b"},
             {"Stra\xC3\x9F\x65 \xC5\x81\xC3\xB3\x64\xC5\xBA \xC3\x86ther", "strasse_lodz_aet"},
             {" --x\xFF y-- ", "x_y"}, {"\xE6\x97\xA5.mp3", "track"},
             {"abcdefghijklmnopq.mp3", "abcdefghijklmnop"}, {"abcdefghijklmno pq", "abcdefghijklmno"},
             {"Mus_Bat_A Long Battle Theme.mp3", "mus_bat_a_long_b"}, {"mus_bat_.mp3", "mus_bat_"},
             {"MUS__ambient", "mus_ambient"}, {"SONG.wav", "song_2"}, {"song", "song_3"},
             {".mp3", "track_2"}, {"abcdefghijklmnop", "abcdefghijklmn_2"},
             {"mus_bat_a long battle", "mus_bat_a_long_2"}, {"mus_bat_", "mus_bat_2"}}) {
        // clang-format on
        EXPECT_EQ(MakeResRef(fileName, taken), expected) << fileName;
        EXPECT_TRUE(taken.contains(std::string(expected)));
    }
}

}  // namespace
}  // namespace tunewrap::game
