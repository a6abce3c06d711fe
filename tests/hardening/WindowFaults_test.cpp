// The window against SIGTERM in the middle of a copy.
#include <QCoreApplication>
#include <csignal>

#include "CloseOnSignal.h"
#include "ui/MainWindowFixture.h"

namespace {

using WindowFaults = MainWindowTest;

void SelectByName(FileListView& list, const std::string& name) {
    list.findItems(QString::fromStdString(name), Qt::MatchExactly).at(0)->setSelected(true);
}

TEST_F(WindowFaults, TerminationDuringACopyCancelsItAndSavesTheSettings) {
    StoreDirectories();
    WriteFile(Path("Music/big.mp3"), std::string(3 << 20, 'x'));  // large: the dialog opens at once
    WriteFile(Path("Music/next.mp3"), "next");
    auto window = Open();
    window->show();
    window->SetAskYesNoHook([](auto&&...) { return tunewrap::MsgButton::Yes; });
    CloseOnSignal closer(window.get());
    ASSERT_TRUE(closer.Installed());
    SelectByName(*window->lvwMP3List, "big.mp3");
    SelectByName(*window->lvwMP3List, "next.mp3");
    window->chkOverwriteAll->setChecked(true);

    // Waiting for the first events the copy lets through.
    std::raise(SIGTERM);
    window->cmdConvertToBMU_Click();

    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->BatchRunning());
    EXPECT_TRUE(std::filesystem::is_empty(Path("Game/music")));
    EXPECT_EQ(window->CountSelectedItems(*window->lvwMP3List), 1) << "next.mp3 not reached";
    EXPECT_EQ(Stored("OverwriteAll"), "1");
    EXPECT_EQ(Stored("MP3Dir"), Path("Music"));
}

}  // namespace
