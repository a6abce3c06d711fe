#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "ShowProperties.h"
#include "frmProperties.h"
#include "support/QtTestApp.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PropertiesTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path =
            QDir(tmp.path()).filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Sample(const char* name) {
        const char* dir = std::getenv("TUNEWRAP_TEST_DATA");
        return ReadAll(std::string(dir != nullptr ? dir : TUNEWRAP_TEST_DATA_DIR) + "/" + name);
    }
    QTemporaryDir tmp;
};

TEST_F(PropertiesTest, BmuFileShowsTheFactsOfTheMp3Inside) {
    for (const char* sample : {"cbr128_joint.mp3", "cbr128_stereo.mp3", "cbr96_mono.mp3",
                               "cbr192_joint.mp3", "cbr128_48k.mp3", "vbr.mp3"}) {
        const std::string mp3 = Sample(sample);
        ASSERT_FALSE(mp3.empty()) << sample;
        frmProperties plain(nullptr, Write("song.mp3", mp3), false);
        frmProperties wrapped(nullptr, Write("song.bmu", "BMU V1.0" + mp3), false);
        EXPECT_EQ(plain.Value("Type:"), "MP3 file");
        EXPECT_TRUE(wrapped.Value("Type:").startsWith("BMU file"));
        for (const char* fact : {"Bit rate:", "Variable bit rate:", "Sampling frequency:",
                                 "Channel mode:", "Suits the game:"}) {
            EXPECT_FALSE(plain.Value(fact).isEmpty()) << sample << fact;
            EXPECT_EQ(plain.Value(fact), wrapped.Value(fact)) << sample << fact;
        }
    }
}

TEST_F(PropertiesTest, ReadsFrameHeadersAndMeasuresAgainstTheChosenExpectation) {
    const std::string path = Write("tune.mp3", Sample("cbr128_joint.mp3"));
    frmProperties music(nullptr, path, false);
    EXPECT_EQ(music.Value("Bit rate:"), "128 kbit/s");
    EXPECT_EQ(music.Value("Sampling frequency:"), "44100 Hz");
    EXPECT_EQ(music.Value("Channel mode:"), "Joint stereo");
    EXPECT_EQ(music.Value("Variable bit rate:"), "No");
    EXPECT_EQ(music.Value("Suits the game:"), "Yes, as music (128 kbit/s stereo)");

    frmProperties effect(nullptr, path, true);
    EXPECT_EQ(effect.Value("Suits the game:"),
              "No, as a sound effect (96 kbit/s mono)\n"
              "- Bit Rate is not 96 kbps - 128 kbps reported\n"
              "- Channel mode is not mono");
    frmProperties wavNamedBmu(nullptr, Write("boom.wav", "BMU V1.0" + Sample("cbr96_mono.mp3")),
                              true);
    EXPECT_EQ(wavNamedBmu.Value("Channel mode:"), "Single channel (mono)");
    EXPECT_TRUE(wavNamedBmu.Value("Suits the game:").startsWith("Yes"));
}

TEST_F(PropertiesTest, OtherFilesShowOnlyWhereWhatAndHowBig) {
    const std::string path = Write("notes.txt", std::string(1234, 'x'));
    frmProperties dialog(nullptr, path, false);
    EXPECT_EQ(dialog.windowTitle(), "Properties");
    EXPECT_EQ(dialog.Value("Name:"), "notes.txt");
    EXPECT_EQ(dialog.Value("Folder:"), QDir::toNativeSeparators(tmp.path()));
    EXPECT_EQ(dialog.Value("Type:"), "File");
    EXPECT_EQ(dialog.Value("Size:"), QLocale().toString(1234) + " bytes");
    EXPECT_FALSE(dialog.Value("Modified:").isEmpty());
    EXPECT_TRUE(dialog.Value("Bit rate:").isEmpty());

    // Paths arrive as directory + separator + name, also when the directory ends in one.
    frmProperties gone(nullptr, tmp.path().toStdString() + "//gone.mp3", false);
    EXPECT_EQ(gone.Value("Name:"), "gone.mp3");
    EXPECT_EQ(gone.Value("Size:"), "unknown");
}

TEST_F(PropertiesTest, DesktopWindowFirstOwnDialogOtherwise) {
    const std::string path = Write("a.mp3", Sample("cbr128_joint.mp3"));
    for (bool fileManagerAnswers : {true, false}) {
        QWidget owner;
        std::string asked;
        showproperties::SetFileManagerForTesting([&](const std::string& p) {
            asked = p;
            return fileManagerAnswers;
        });
        showproperties::ShowFileProperties(&owner, path, false);
        showproperties::SetFileManagerForTesting(nullptr);
        EXPECT_EQ(asked, path);
        const auto shown = owner.findChildren<frmProperties*>();
        EXPECT_EQ(shown.size(), fileManagerAnswers ? 0 : 1);
        if (!shown.empty()) {
            EXPECT_TRUE(shown[0]->isVisible());
        }
    }
    // Without a session bus nobody takes the request, and nothing hangs or fails.
    EXPECT_FALSE(showproperties::AskFileManager(path));
}

}  // namespace
