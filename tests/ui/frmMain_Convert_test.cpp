#include <QMessageBox>

#include "MainWindowFixture.h"

namespace {

using Converting = TwoFolders;

TEST_F(Converting, BothWaysAskWarnCopyAndRefillTheDestination) {
    const std::string song = Sample("cbr128_joint.mp3");
    WriteFile(Path("Music/song.mp3"), song);
    WriteFile(Path("Music/zap.mp3"), Sample("cbr96_mono.mp3"));  // a sound effect: warned about
    WriteFile(Path("Music/kept.mp3"), song);
    WriteFile(Path("Game/music/song.bmu"), "old");
    WriteFile(Path("Game/music/sfx.wav"), "BMU V1.0sfx bytes");
    auto window = Open();
    Script(*window, {MsgButton::Yes, MsgButton::Yes, MsgButton::No});
    Select(*window->lvwMP3List, {"song.mp3", "zap.mp3"});
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToBMU->click();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0],
              "song.bmu already exists. Do you want to overwrite it?|File Exists|?No");
    EXPECT_TRUE(questions[1].ends_with("|Warning|!Yes")) << questions[1];
    EXPECT_TRUE(busyWhenAsked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + song);
    EXPECT_EQ(Names(*window->lvwBMUList), (Strings{"sfx.wav", "song.bmu", "zap.bmu"}));
    EXPECT_EQ(window->CountSelectedItems(*window->lvwMP3List), 0);
    EXPECT_FALSE(window->cmdConvertToBMU->isEnabled() || window->cmdConvertToMP3->isEnabled());
    EXPECT_TRUE(window->cmdInfo->isEnabled() && window->chkWAVExtension->isEnabled());
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);

    Select(*window->lvwBMUList, {"song.bmu", "sfx.wav"});
    window->cmdConvertToMP3->setEnabled(true);
    window->cmdConvertToMP3->click();
    EXPECT_EQ(ReadFile(Path("Music/sfx.mp3")), "sfx bytes");
    EXPECT_EQ(window->CountSelectedItems(*window->lvwBMUList), 0);
    window->chkOverwriteAll->setChecked(true);
    window->chkReencodeUnsuitable->setChecked(true);  // no "Warning": zap.mp3 is re-encoded
    Select(*window->lvwMP3List, {"zap.mp3"});
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToBMU->click();
    EXPECT_EQ(questions.size(), 3u);
    const std::string zap = ReadFile(Path("Game/music/zap.bmu"));
    EXPECT_TRUE(zap.starts_with("BMU V1.0") && zap != "BMU V1.0" + Sample("cbr96_mono.mp3"));
}

TEST_F(Converting, ClosingWhileAQuestionIsOpenDeclinesItAndCloses) {
    WriteFile(Path("Music/song.mp3"), Sample("cbr128_joint.mp3"));
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

TEST_F(Converting, ClosingDuringACopyCancelsItThenClosesAndSaves) {
    WriteFile(Path("Game/music/big.bmu"), "BMU V1.0" + std::string(2 << 20, 'x'));
    auto window = Open();
    window->show();
    Select(*window->lvwBMUList, {"big.bmu"});
    QTimer::singleShot(0, window.get(), [&] { window->close(); });  // runs at the copy's yield
    window->cmdConvertToMP3_Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Listing("Music").empty()) << "nothing partial may be left";
    EXPECT_EQ(Stored("BMUDir"), Path("Game/music"));
}

}  // namespace
