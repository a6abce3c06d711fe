#include <QMessageBox>

#include "MainWindowFixture.h"

namespace {

// MPEG-1 Layer III frames at 44.1 kHz: 128 kbit/s stereo, or 96 kbit/s mono (a sound effect,
// which draws the warning when it is wrapped as music).
std::string Frames(bool music, int count) {
    const std::string header =
        music ? std::string("\xFF\xFB\x90\x00", 4) : std::string("\xFF\xFB\x70\xC0", 4);
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += header + std::string(music ? 413 : 309, '\x55');
    return bytes;
}

using Converting = TwoFolders;

void ExpectIdle(const frmMain& window) {
    EXPECT_FALSE(window.cmdConvertToBMU->isEnabled() || window.cmdConvertToMP3->isEnabled());
    EXPECT_TRUE(window.cmdInfo->isEnabled() && window.chkWAVExtension->isEnabled());
    EXPECT_NE(window.cursor().shape(), Qt::WaitCursor);
}

TEST_F(Converting, ToBmuAsksWarnsCopiesAndRefillsTheDestination) {
    const std::string song = Frames(true, 12);
    WriteFile(Path("Music/song.mp3"), song);
    WriteFile(Path("Music/zap.mp3"), Frames(false, 12));
    WriteFile(Path("Music/kept.mp3"), Frames(true, 3));
    WriteFile(Path("Game/music/song.bmu"), "old");
    auto window = Open();
    Script(*window, {MsgButton::Yes, MsgButton::Yes});
    Select(*window->lvwMP3List, {"song.mp3", "zap.mp3"});
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToBMU->click();

    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0],
              "song.bmu already exists. Do you want to overwrite it?|File Exists|?No");
    EXPECT_TRUE(questions[1].ends_with("|Warning|!Yes")) << questions[1];
    EXPECT_TRUE(busyWhenAsked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + song);
    EXPECT_EQ(Names(*window->lvwBMUList), (Strings{"song.bmu", "zap.bmu"}));
    EXPECT_EQ(window->CountSelectedItems(*window->lvwMP3List), 0);
    ExpectIdle(*window);
}

TEST_F(Converting, ToMp3UnwrapsBothKindsAndKeepsWhatTheUserDeclined) {
    WriteFile(Path("Game/music/theme.bmu"), "BMU V1.0theme bytes");
    WriteFile(Path("Game/music/sfx.wav"), "BMU V1.0sfx bytes");
    WriteFile(Path("Music/theme.mp3"), "mine");
    auto window = Open();
    Script(*window, {MsgButton::No});
    Select(*window->lvwBMUList, {"theme.bmu", "sfx.wav"});
    window->cmdConvertToMP3->setEnabled(true);
    window->cmdConvertToMP3->click();

    EXPECT_EQ(questions.at(0),
              "theme.mp3 already exists. Do you want to overwrite it?|File Exists|?No");
    EXPECT_EQ(ReadFile(Path("Music/theme.mp3")), "mine");
    EXPECT_EQ(ReadFile(Path("Music/sfx.mp3")), "sfx bytes");
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"sfx.mp3", "theme.mp3"}));
    EXPECT_EQ(window->CountSelectedItems(*window->lvwBMUList), 0);
    ExpectIdle(*window);
}

TEST_F(Converting, ClosingDuringACopyCancelsItThenClosesAndSaves) {
    WriteFile(Path("Music/big.mp3"), Frames(true, 6000));  // about 2.5 MB: many blocks
    WriteFile(Path("Music/next.mp3"), Frames(true, 3));
    auto window = Open();
    window->show();
    Script(*window);
    Select(*window->lvwMP3List, {"big.mp3", "next.mp3"});
    window->chkOverwriteAll->setChecked(true);
    QTimer::singleShot(0, window.get(), [&] { window->close(); });
    window->cmdConvertToBMU_Click();

    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->BatchRunning());
    EXPECT_TRUE(std::filesystem::is_empty(Path("Game/music")));
    EXPECT_EQ(Stored("OverwriteAll"), "1");
    EXPECT_EQ(window->CountSelectedItems(*window->lvwMP3List), 1) << "next.mp3 not reached";
}

TEST_F(Converting, ClosingWhileAQuestionIsOpenDeclinesItAndCloses) {
    WriteFile(Path("Music/song.mp3"), Frames(true, 3));
    WriteFile(Path("Game/music/song.bmu"), "old");
    auto window = Open();
    window->show();
    Select(*window->lvwMP3List, {"song.mp3"});
    bool asked = false;
    WhenModalAppears<QMessageBox>([&](QMessageBox* box) {
        asked = box->text() == "song.bmu already exists. Do you want to overwrite it?" &&
                box->defaultButton() == box->button(QMessageBox::No);
        window->close();
    });
    window->cmdConvertToBMU_Click();

    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "old");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Stored("BMUDir"), Path("Game/music"));
}

}  // namespace
