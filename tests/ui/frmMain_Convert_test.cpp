#include <QMessageBox>

#include "MainWindowFixture.h"

namespace {

using Converting = TwoFolders;

// Through the real controls: the questions with the window busy, the copy, the refilled list,
// the buttons off afterwards.
TEST_F(Converting, TheButtonAsksWhileBusyCopiesAndRefillsTheDestination) {
    const std::string song = Sample("cbr128_joint.mp3");
    WriteFile(Path("Music/song.mp3"), song);
    WriteFile(Path("Game/music/song.bmu"), "old");
    auto window = Open();
    Script(*window, {MsgButton::Yes});
    Select(*window->lvwMP3List, {"song.mp3"});
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToBMU->click();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].ends_with("|File Exists|?No")) << questions[0];
    EXPECT_TRUE(busyWhenAsked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + song);
    EXPECT_EQ(Names(*window->lvwMP3List, true), Strings{});
    EXPECT_FALSE(window->cmdConvertToBMU->isEnabled() || window->cmdConvertToMP3->isEnabled());
    EXPECT_TRUE(window->cmdInfo->isEnabled() && window->chkWAVExtension->isEnabled());
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
}

// Closing while a question is open answers it No; closing during a copy cancels it. Either way
// the window closes once the batch has returned, nothing written.
TEST_F(Converting, ClosingDuringABatchDeclinesOrCancelsItThenCloses) {
    WriteFile(Path("Music/song.mp3"), Sample("cbr128_joint.mp3"));
    WriteFile(Path("Game/music/song.bmu"), "old");
    WriteFile(Path("Game/music/big.bmu"), "BMU V1.0" + std::string(2 << 20, 'x'));
    auto window = Open();
    window->show();
    Select(*window->lvwMP3List, {"song.mp3"});
    bool asked = false;
    WhenModalAppears<QMessageBox>([&](QMessageBox* box) {
        asked = box->defaultButton() == box->button(QMessageBox::No);
        window->close();
    });
    window->cmdConvertToBMU_Click();
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "old");
    EXPECT_FALSE(window->isVisible());
    window = Open();
    window->show();
    Select(*window->lvwBMUList, {"big.bmu"});
    QTimer::singleShot(0, window.get(), [&] { window->close(); });  // runs at the copy's yield
    window->cmdConvertToMP3_Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Listing("Music"), std::set<std::string>{"song.mp3"}) << "nothing partial may be left";
}

}  // namespace
