#include "Suitability.h"

#include <gtest/gtest.h>

#include "MP3Utils.h"

namespace {

using tunewrap::CheckSuitability;
using tunewrap::HeaderValues;

constexpr HeaderValues kMusic{128, true, 44100, false};
constexpr HeaderValues kWav{96, false, 44100, false};

TEST(Suitability, IssueLines) {
    struct Case {
        HeaderValues values;
        bool renameWav;
        const char* lines;
    };
    const Case cases[] = {
        {kMusic, false, ""},
        {kWav, true, ""},
        {{192, true, 44100, false}, false, "- Bit Rate is not 128 kbps - 192 kbps reported\r\n"},
        {{128, true, 44100, false},
         true,
         "- Bit Rate is not 96 kbps - 128 kbps reported\r\n- Channel mode is not mono\r\n"},
        {{128, false, 44100, false}, false, "- Channel mode is not stereo\r\n"},
        {{128, true, 48000, false},
         false,
         "- Sampling Frequency is not 44.1 kHz - 48 kHz reported\r\n"},
        {{128, true, 32000, false},
         false,
         "- Sampling Frequency is not 44.1 kHz - 32 kHz reported\r\n"},
        {{128, true, 0, false}, false, "- Sampling Frequency is not 44.1 kHz - 0 kHz reported\r\n"},
        {{320, true, 44100, true},
         false,
         "- Bit Rate is not Constant - Variable Bit Rate reported\r\n"},
        {{999, true, 44100, false}, false, "- Bit Rate is not 128 kbps - 999 kbps reported\r\n"},
        // A new reader's values: nothing found in the file.
        {{},
         false,
         "- Bit Rate is not 128 kbps - 0 kbps reported\r\n- Channel mode is not stereo\r\n"},
        {{}, true, "- Bit Rate is not 96 kbps - 0 kbps reported\r\n"},
    };
    for (const Case& c : cases) {
        const auto report = CheckSuitability("song.mp3", c.values, c.renameWav);
        EXPECT_EQ(report.issueLines, c.lines);
        EXPECT_EQ(report.WarningWanted(), *c.lines != '\0') << c.lines;
    }
}

TEST(Suitability, LongNameIsListedOnlyBesideAnotherIssue) {
    const std::string name21 = "seventeen-chars-x.mp3";  // 17 before ".mp3"
    ASSERT_EQ(name21.size(), 21u);
    EXPECT_FALSE(CheckSuitability(name21, kMusic, false).WarningWanted());
    EXPECT_EQ(CheckSuitability(name21, kMusic, false).issueLines,
              "- file name (excluding '.mp3') is longer than 16 characters\r\n");
    // Twenty characters are fine, also when some take more than one byte.
    EXPECT_EQ(CheckSuitability("sixteen-chars-xx.mp3", kWav, false).issueLines,
              "- Bit Rate is not 128 kbps - 96 kbps reported\r\n- Channel mode is not stereo\r\n");
    EXPECT_EQ(CheckSuitability("Motörhead-Ace-Sp.mp3", kMusic, false).issueLines, "");
}

TEST(Suitability, WarningBoxForALongSongAt192And48k) {
    const std::string name = "My favourite long song.mp3";
    const auto report = CheckSuitability(name, HeaderValues{192, true, 48000, false}, false);
    EXPECT_TRUE(report.bitRateIssue && report.samplingIssue && !report.channelIssue);
    EXPECT_EQ(tunewrap::WarningText(name, report),
              "Warning! 'My favourite long song.mp3'\r\n"
              "has the following potential issues if you convert it to a BMU:\r\n"
              "\r\n"
              "- Bit Rate is not 128 kbps - 192 kbps reported\r\n"
              "- Sampling Frequency is not 44.1 kHz - 48 kHz reported\r\n"
              "- file name (excluding '.mp3') is longer than 16 characters\r\n"
              "\r\n"
              "Do you wish to continue?");
}

TEST(Suitability, ReadsTheReadersValuesAndCarriesNothingOver) {
    MP3Utils reader;
    const std::uint8_t joint192at48k[] = {0xFF, 0xFB, 0xB4, 0x40};
    reader.ScanBytes(joint192at48k);
    EXPECT_EQ(CheckSuitability("a.mp3", reader, false).issueLines,
              "- Bit Rate is not 128 kbps - 192 kbps reported\r\n"
              "- Sampling Frequency is not 44.1 kHz - 48 kHz reported\r\n");
    MP3Utils next;
    const std::uint8_t good[] = {0xFF, 0xFB, 0x90, 0x40};
    next.ScanBytes(good);
    EXPECT_FALSE(CheckSuitability("b.mp3", next, false).WarningWanted());
}

}  // namespace
