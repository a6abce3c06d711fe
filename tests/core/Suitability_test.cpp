#include "Suitability.h"

#include <gtest/gtest.h>

#include "MP3Utils.h"

namespace {

using tunewrap::CheckSuitability;
using tunewrap::HeaderValues;

constexpr HeaderValues kMusic{128, true, 44100, false}, kWav{96, false, 44100, false};
const std::string kRate = "- Bit Rate is not ", kHz = "- Sampling Frequency is not 44.1 kHz - ";
const std::string kLong = "- file name (excluding '.mp3') is longer than 16 characters\r\n";

TEST(Suitability, IssueLines) {
    const struct {
        HeaderValues values;
        bool renameWav;
        std::string lines;
        std::string name = "song.mp3";
    } cases[] = {
        {kMusic, false, ""},
        {kWav, true, ""},
        {{192, true, 44100, false}, false, kRate + "128 kbps - 192 kbps reported\r\n"},
        {kMusic, true, kRate + "96 kbps - 128 kbps reported\r\n- Channel mode is not mono\r\n"},
        {{128, false, 44100, false}, false, "- Channel mode is not stereo\r\n"},
        {{128, true, 48000, false}, false, kHz + "48 kHz reported\r\n"},
        {{128, true, 0, false}, false, kHz + "0 kHz reported\r\n"},
        {{320, true, 44100, true}, false, kRate + "Constant - Variable Bit Rate reported\r\n"},
        // A new reader's values: nothing found in the file.
        {{}, false, kRate + "128 kbps - 0 kbps reported\r\n- Channel mode is not stereo\r\n"},
        {{}, true, kRate + "96 kbps - 0 kbps reported\r\n"},
        // A long name is listed, but alone asks for no warning. Twenty characters are fine,
        // also when some take more than one byte.
        {kMusic, false, kLong, "seventeen-chars-x.mp3"},
        {kMusic, false, "", "Motörhead-Ace-Sp.mp3"},
    };
    for (const auto& c : cases) {
        const auto report = CheckSuitability(c.name, c.values, c.renameWav);
        EXPECT_EQ(report.issueLines, c.lines);
        EXPECT_EQ(report.WarningWanted(), !c.lines.empty() && c.lines != kLong) << c.lines;
    }
}

TEST(Suitability, WarningTextFromTheReadersValues) {
    MP3Utils reader, next;
    const std::uint8_t joint192at48k[] = {0xFF, 0xFB, 0xB4, 0x40},
                       good[] = {0xFF, 0xFB, 0x90, 0x40};
    reader.ScanBytes(joint192at48k);
    next.ScanBytes(good);
    const std::string name = "My favourite long song.mp3";
    EXPECT_EQ(tunewrap::WarningText(name, CheckSuitability(name, reader, false)),
              "Warning! 'My favourite long song.mp3'\r\n"
              "has the following potential issues if you convert it to a BMU:\r\n"
              "\r\n"
              "- Bit Rate is not 128 kbps - 192 kbps reported\r\n"
              "- Sampling Frequency is not 44.1 kHz - 48 kHz reported\r\n"
              "- file name (excluding '.mp3') is longer than 16 characters\r\n"
              "\r\n"
              "Do you wish to continue?");
    EXPECT_FALSE(CheckSuitability("b.mp3", next, false).WarningWanted());
}

}  // namespace
