#include <QDir>
#include <QFile>
#include <QLocale>

#include "MainWindowFixture.h"
#include "frmProperties.h"

namespace {

class Properties : public MainWindowTest {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        WriteFile(Path(name), bytes);
        return Path(name);
    }
    static std::string Sample(const char* name) {
        return ReadFile(std::string(TUNEWRAP_TEST_DATA_DIR "/") + name);
    }
};

// The header scan must meet the MP3 behind a BMU header exactly as it meets the MP3 itself.
TEST_F(Properties, BmuFileShowsTheFactsOfTheMp3Inside) {
    for (const char* sample :
         {"cbr128_joint.mp3", "cbr96_mono.mp3", "cbr192_joint.mp3", "cbr128_48k.mp3", "vbr.mp3"}) {
        const std::string mp3 = Sample(sample);
        frmProperties plain(nullptr, Write("song.mp3", mp3), false);
        frmProperties wrapped(nullptr, Write("song.wav", "BMU V1.0" + mp3), false);
        EXPECT_EQ(plain.Value("Type:"), "MP3 file");
        EXPECT_TRUE(wrapped.Value("Type:").startsWith("BMU file"));
        for (const char* fact : {"Bit rate:", "Variable bit rate:", "Sampling frequency:",
                                 "Channel mode:", "Suits the game:"}) {
            EXPECT_FALSE(plain.Value(fact).isEmpty()) << sample << fact;
            EXPECT_EQ(plain.Value(fact), wrapped.Value(fact)) << sample << fact;
        }
    }
}

TEST_F(Properties, MeasuresAgainstTheChosenExpectation) {
    const std::string path = Write("tune.mp3", Sample("cbr128_joint.mp3"));
    frmProperties music(nullptr, path, false);
    EXPECT_EQ(music.Value("Bit rate:") + " " + music.Value("Sampling frequency:") + " " +
                  music.Value("Channel mode:") + " " + music.Value("Variable bit rate:"),
              "128 kbit/s 44100 Hz Joint stereo No");
    EXPECT_EQ(music.Value("Suits the game:"), "Yes, as music (128 kbit/s stereo)");
    EXPECT_EQ(frmProperties(nullptr, path, true).Value("Suits the game:"),
              "No, as a sound effect (96 kbit/s mono)\n"
              "- Bit Rate is not 96 kbps - 128 kbps reported\n"
              "- Channel mode is not mono");
}

TEST_F(Properties, OtherFilesShowWhereWhatAndHowBig) {
    frmProperties text(nullptr, Write("notes.txt", std::string(1234, 'x')), false);
    EXPECT_EQ(text.Value("Folder:"), QString::fromStdString(root_.string()));
    EXPECT_EQ(text.Value("Type:") + " " + text.Value("Size:"),
              "File " + QLocale().toString(1234) + " bytes");
    EXPECT_TRUE(text.Value("Bit rate:").isEmpty());
    // Paths arrive as directory + separator + name, also when the directory ends in one.
    frmProperties gone(nullptr, Path("") + "/gone.mp3", false);
    EXPECT_EQ(gone.Value("Name:") + " " + gone.Value("Size:"), "gone.mp3 unknown");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");  // then the program's own dialog shows
    EXPECT_FALSE(showproperties::AskFileManager(Write("a.mp3", "x")));
}

}  // namespace
