#include "AudioFacts.h"

#include <gtest/gtest.h>

#include "common/ScratchHome.h"

namespace {

using tunewrap::FactColumn;
using tunewrap::ListId;

// Length, bit rate, kHz, channels and verdict as the list shows them.
std::vector<std::string> Texts(const std::string& path, const std::string& name, bool wav) {
    const tunewrap::AudioFacts facts = tunewrap::ReadAudioFacts(path);
    const tunewrap::Verdict verdict = tunewrap::Judge(name, facts, wav);
    std::vector<std::string> texts;
    for (int column = 0; column < tunewrap::kFactColumnCount; ++column)
        texts.push_back(FactText(facts, verdict, static_cast<FactColumn>(column)));
    return texts;
}

// 128 kbit/s at 44.1 kHz, joint stereo, unpadded, with no tag.
std::string Frames(int count, std::size_t tagAt = 0, const char* tag = nullptr) {
    std::string frame(417, '\0');
    frame[0] = '\xFF', frame[1] = '\xFB', frame[2] = '\x90', frame[3] = '\x40';
    std::string out;
    for (int i = 0; i < count; ++i) out += frame;
    if (tag != nullptr) out.replace(tagAt, 4, tag);
    return out;
}

using AudioFactsTest = ScratchHome;

// Exact lengths from a frame count or a constant rate, a guess marked "~" for a varying rate
// without a count; a BMU file is read behind its header; nothing is made up for what cannot be
// read or is other audio.
TEST_F(AudioFactsTest, CellsOfRealAndMadeFiles) {
    WriteFile(Path("cbr.mp3"), Frames(1000));  // 417,000 bytes at 16,000 a second: 26.06 s
    WriteFile(Path("cbr.bmu"), "BMU V1.0" + Frames(1000));
    WriteFile(Path("guess.mp3"), Frames(8000, 36, "Xing"));
    using Cells = std::vector<std::string>;
    const Cells cbr{"0:26", "128 kbit/s", "44.1", "joint stereo", "suitable"};
    EXPECT_EQ(Texts(Path("cbr.mp3"), "cbr.mp3", false), cbr);
    EXPECT_EQ(Texts(Path("cbr.bmu"), "cbr.bmu", false), cbr);
    EXPECT_EQ(Texts(Path("guess.mp3"), "guess.mp3", false),
              (Cells{"~3:29", "VBR", "44.1", "joint stereo", "unsuitable"}));
    EXPECT_EQ(Texts(TestDataPath("cbr96_mono.mp3"), "a.mp3", true),
              (Cells{"0:01", "96 kbit/s", "44.1", "single channel", "suitable"}));
    EXPECT_EQ(Texts(TestDataPath("cbr128_48k.mp3"), "a.mp3", false)[2], "48");
    EXPECT_EQ(Texts(Path("missing.mp3"), "missing.mp3", false), Cells(5));
    EXPECT_EQ(Texts(TestDataPath("mpeg2_22k.mp3"), "b.mp3", false),
              (Cells{"", "", "", "", "unsuitable"}));

    // lame's Xing tag counts the frames: the length is exact and the rate an average.
    const auto vbr = tunewrap::ReadAudioFacts(TestDataPath("vbr.mp3"));
    EXPECT_FALSE(vbr.lengthEstimated);
    EXPECT_NEAR(vbr.seconds, 0.4, 0.1);
    EXPECT_GT(vbr.averageBitRate, 32);
    const tunewrap::Verdict verdict = tunewrap::Judge("vbr.mp3", vbr, false);
    EXPECT_EQ(FactText(vbr, verdict, FactColumn::BitRate),
              "VBR " + std::to_string(vbr.averageBitRate) + " kbit/s");
    EXPECT_EQ(FactKey(vbr, verdict, FactColumn::BitRate), vbr.averageBitRate);
    EXPECT_EQ(verdict.lines,
              (tunewrap::TextLines{"- Bit Rate is not Constant - Variable Bit Rate reported"}));
}

TEST(AudioFacts, TheWavExpectationFollowsTheOptionOrTheName) {
    EXPECT_TRUE(tunewrap::JudgedAsWav(ListId::MP3, "a.mp3", true));
    EXPECT_FALSE(tunewrap::JudgedAsWav(ListId::MP3, "a.wav", false));
    EXPECT_TRUE(tunewrap::JudgedAsWav(ListId::BMU, "a.WAV", false));
    EXPECT_FALSE(tunewrap::JudgedAsWav(ListId::BMU, "a.bmu", true));
}

}  // namespace
