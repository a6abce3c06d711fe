#include <QLocale>

#include "MainWindowFixture.h"
#include "frmProperties.h"

namespace {

using Properties = MainWindowTest;

QString Facts(const frmProperties& shown) {
    QStringList facts;
    for (const char* fact : {"Audio:", "Bit rate:", "Sampling frequency:", "Channel mode:",
                             "Variable bit rate:", "CRC:", "Suits the game:"})
        facts << shown.Value(fact);
    return facts.join('|');
}

// The header scan must meet the MP3 behind a BMU header exactly as it meets the MP3 itself.
TEST_F(Properties, ShowFactsOfTheMp3BehindABmuHeaderAndOfOtherFiles) {
    for (const char* sample : {"cbr96_mono.mp3", "vbr.mp3", "cbr128_joint.mp3"}) {
        WriteFile(Path("song.mp3"), Sample(sample));
        WriteFile(Path("song.wav"), "BMU V1.0" + Sample(sample));
        const frmProperties plain(nullptr, Path("song.mp3"), false);
        const frmProperties wrapped(nullptr, Path("song.wav"), false);
        EXPECT_EQ(plain.Value("Type:"), "MP3 file");
        EXPECT_TRUE(wrapped.Value("Type:").startsWith("BMU file"));
        EXPECT_FALSE(Facts(plain).contains("||")) << sample;
        EXPECT_EQ(Facts(plain), Facts(wrapped)) << sample;
    }
    EXPECT_EQ(Facts(frmProperties(nullptr, Path("song.mp3"), false)),
              "MPEG-1 Layer III|128 kbit/s|44100 Hz|Joint stereo|No|No|"
              "Yes, as music (128 kbit/s stereo)");
    EXPECT_EQ(frmProperties(nullptr, Path("song.mp3"), true).Value("Suits the game:"),
              "No, as a sound effect (96 kbit/s mono)\n"
              "- Bit Rate is not 96 kbps - 128 kbps reported\n"
              "- Channel mode is not mono");
    // No false values where there is no MPEG-1 Layer III audio.
    WriteFile(Path("song.mp3"), "text");
    EXPECT_EQ(
        Facts(frmProperties(nullptr, Path("song.mp3"), false)),
        "None found||||||No, as music (128 kbit/s stereo)\n- No MPEG-1 Layer III audio found");
    // Other files show where, what and how big.
    WriteFile(Path("notes.txt"), std::string(1234, 'x'));
    const frmProperties text(nullptr, Path("notes.txt"), false);
    EXPECT_EQ(text.Value("Folder:").toStdString(), root_.string());
    EXPECT_EQ(text.Value("Type:") + " " + text.Value("Size:"),
              "File " + QLocale().toString(1234) + " bytes");
    // Paths arrive as directory + separator + name, also when the directory ends in one.
    const frmProperties gone(nullptr, Path("") + "/gone.mp3", false);
    EXPECT_EQ(gone.Value("Name:") + " " + gone.Value("Size:"), "gone.mp3 unknown");
}

}  // namespace
