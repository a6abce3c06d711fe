#include <QLocale>

#include "MainWindowFixture.h"
#include "frmProperties.h"

namespace {

using Properties = MainWindowTest;

// The header scan must meet the MP3 behind a BMU header exactly as it meets the MP3 itself.
TEST_F(Properties, BmuFileShowsTheFactsOfTheMp3InsideMeasuredAgainstTheChosenUse) {
    for (const char* sample : {"cbr128_joint.mp3", "cbr96_mono.mp3", "vbr.mp3"}) {
        const std::string mp3 = Sample(sample);
        WriteFile(Path("song.mp3"), mp3);
        WriteFile(Path("song.wav"), "BMU V1.0" + mp3);
        frmProperties plain(nullptr, Path("song.mp3"), false);
        frmProperties wrapped(nullptr, Path("song.wav"), false);
        EXPECT_EQ(plain.Value("Type:"), "MP3 file");
        EXPECT_TRUE(wrapped.Value("Type:").startsWith("BMU file"));
        for (const char* fact : {"Bit rate:", "Variable bit rate:", "Sampling frequency:",
                                 "Channel mode:", "Suits the game:"}) {
            EXPECT_FALSE(plain.Value(fact).isEmpty()) << sample << fact;
            EXPECT_EQ(plain.Value(fact), wrapped.Value(fact)) << sample << fact;
        }
    }
    WriteFile(Path("tune.mp3"), Sample("cbr128_joint.mp3"));
    frmProperties music(nullptr, Path("tune.mp3"), false);
    EXPECT_EQ(music.Value("Bit rate:") + " " + music.Value("Sampling frequency:") + " " +
                  music.Value("Channel mode:") + " " + music.Value("Variable bit rate:"),
              "128 kbit/s 44100 Hz Joint stereo No");
    EXPECT_EQ(music.Value("Suits the game:"), "Yes, as music (128 kbit/s stereo)");
    EXPECT_EQ(frmProperties(nullptr, Path("tune.mp3"), true).Value("Suits the game:"),
              "No, as a sound effect (96 kbit/s mono)\n"
              "- Bit Rate is not 96 kbps - 128 kbps reported\n"
              "- Channel mode is not mono");
}

TEST_F(Properties, OtherFilesShowWhereWhatAndHowBig) {
    WriteFile(Path("notes.txt"), std::string(1234, 'x'));
    frmProperties text(nullptr, Path("notes.txt"), false);
    EXPECT_EQ(text.Value("Folder:").toStdString(), root_.string());
    EXPECT_EQ(text.Value("Type:") + " " + text.Value("Size:"),
              "File " + QLocale().toString(1234) + " bytes");
    EXPECT_TRUE(text.Value("Bit rate:").isEmpty());
    // Paths arrive as directory + separator + name, also when the directory ends in one.
    frmProperties gone(nullptr, Path("") + "/gone.mp3", false);
    EXPECT_EQ(gone.Value("Name:") + " " + gone.Value("Size:"), "gone.mp3 unknown");
}

}  // namespace
