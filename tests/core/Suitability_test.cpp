#include "Suitability.h"

#include <gtest/gtest.h>

#include "MP3Utils.h"
#include "common/MemoryByteSource.h"

namespace {

using tunewrap::CheckSuitability;
using tunewrap::HeaderValues;

constexpr HeaderValues kMusic{128, true, 44100, false}, kWav{96, false, 44100, false};
const std::string kRate = "- Bit Rate is not ", kHz = "- Sampling Frequency is not 44.1 kHz - ";
const std::string kLong = "- file name (excluding '.mp3') is longer than 16 characters\r\n";
const std::string kName =
    "- file name (excluding '.mp3') has characters other than a-z, 0-9 and _\r\n";
// What a reader holds after meeting `audio`: a new reader's numbers.
HeaderValues Found(MpegAudio audio) {
    return {0, false, 44100, false, audio};
}

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
        {{0, true, 44100, false}, false, kRate + "128 kbps - free format reported\r\n"},
        {{999, true, 44100, false}, false, kRate + "128 kbps - invalid reported\r\n"},
        // No MPEG-1 Layer III audio: the numbers are not the file's, so only that is said.
        {Found({}), false, "- No MPEG-1 Layer III audio found\r\n"},
        {Found({}), true, "- No MPEG-1 Layer III audio found\r\n" + kLong, "seventeen-chars-x.mp3"},
        {Found({true, MpegVersion::Mpeg2, MpegLayer::Layer3}), true,
         "- MPEG-2 Layer III audio found; the game expects MPEG-1\r\n"},
        {Found({true, MpegVersion::Mpeg1, MpegLayer::Layer2}), false,
         "- MPEG-1 Layer II audio found; the game expects Layer III\r\n"},
        {Found({true, MpegVersion::Mpeg25, MpegLayer::Layer1}), false,
         "- MPEG-2.5 Layer I audio found; the game expects MPEG-1 Layer III\r\n"},
        // A long name, or one the game cannot take, is listed, but alone asks for no warning.
        // Twenty characters are not long, also when some take more than one byte.
        {kMusic, false, kLong, "seventeen-chars-x.mp3"},
        {kMusic, false, kName, "Motörhead-Ace-Sp.mp3"},
        {kMusic, false, "", "Mus_Town_01.MP3"},
    };
    for (const auto& c : cases) {
        const auto report = CheckSuitability(c.name, c.values, c.renameWav);
        std::string lines;
        for (const auto& issue : report.issues) lines += tunewrap::IssueLine(issue) + "\r\n";
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(report.WarningWanted(), !c.lines.empty() && c.lines != kLong && c.lines != kName)
            << c.lines;
    }
}

TEST(Suitability, WarningTextFromTheReadersValues) {
    MP3Utils reader;
    const std::uint8_t joint192at48k[] = {0xFF, 0xFB, 0xB4, 0x40};
    ScanBytes(reader, joint192at48k);
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
}

}  // namespace
