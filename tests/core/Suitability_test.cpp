#include "Suitability.h"

#include <gtest/gtest.h>

#include "MP3Utils.h"

namespace {

using tunewrap::CheckSuitability;
using tunewrap::HeaderValues;

constexpr HeaderValues kMusic{128, true, 44100, false}, kWav{96, false, 44100, false};
const std::string kLong = "- file name (excluding '.mp3') is longer than 16 characters\r\n";

TEST(Suitability, IssueLines) {
    struct Case {
        std::string name;
        HeaderValues values;
        bool renameWav;
        std::string lines;
    };
    const Case cases[] = {
        {"song.mp3", kMusic, false, ""},
        {"song.mp3", kWav, true, ""},
        {"song.mp3",
         {192, true, 44100, false},
         false,
         "- Bit Rate is not 128 kbps - 192 kbps reported\r\n"},
        {"song.mp3", kMusic, true,
         "- Bit Rate is not 96 kbps - 128 kbps reported\r\n- Channel mode is not mono\r\n"},
        {"song.mp3", {128, false, 44100, false}, false, "- Channel mode is not stereo\r\n"},
        {"song.mp3",
         {128, true, 48000, false},
         false,
         "- Sampling Frequency is not 44.1 kHz - 48 kHz reported\r\n"},
        {"song.mp3",
         {128, true, 0, false},
         false,
         "- Sampling Frequency is not 44.1 kHz - 0 kHz reported\r\n"},
        {"song.mp3",
         {320, true, 44100, true},
         false,
         "- Bit Rate is not Constant - Variable Bit Rate reported\r\n"},
        // A new reader's values: nothing found in the file.
        {"song.mp3",
         {},
         false,
         "- Bit Rate is not 128 kbps - 0 kbps reported\r\n- Channel mode is not stereo\r\n"},
        {"song.mp3", {}, true, "- Bit Rate is not 96 kbps - 0 kbps reported\r\n"},
        // A long name is listed, but alone it asks for no warning. Twenty characters are fine,
        // also when some take more than one byte.
        {"seventeen-chars-x.mp3", kMusic, false, kLong},
        {"Motörhead-Ace-Sp.mp3", kMusic, false, ""},
    };
    for (const Case& c : cases) {
        const auto report = CheckSuitability(c.name, c.values, c.renameWav);
        EXPECT_EQ(report.issueLines, c.lines);
        EXPECT_EQ(report.WarningWanted(), !c.lines.empty() && c.lines != kLong) << c.lines;
    }
}

TEST(Suitability, WarningTextFromTheReadersValues) {
    MP3Utils reader;
    const std::uint8_t joint192at48k[] = {0xFF, 0xFB, 0xB4, 0x40};
    reader.ScanBytes(joint192at48k);
    const std::string name = "My favourite long song.mp3";
    const auto report = CheckSuitability(name, reader, false);
    EXPECT_EQ(tunewrap::WarningText(name, report),
              "Warning! 'My favourite long song.mp3'\r\n"
              "has the following potential issues if you convert it to a BMU:\r\n"
              "\r\n"
              "- Bit Rate is not 128 kbps - 192 kbps reported\r\n"
              "- Sampling Frequency is not 44.1 kHz - 48 kHz reported\r\n"
              "- file name (excluding '.mp3') is longer than 16 characters\r\n"
              "\r\n"
              "Do you wish to continue?");
    MP3Utils next;
    const std::uint8_t good[] = {0xFF, 0xFB, 0x90, 0x40};
    next.ScanBytes(good);
    EXPECT_FALSE(CheckSuitability("b.mp3", next, false).WarningWanted());
}

}  // namespace
