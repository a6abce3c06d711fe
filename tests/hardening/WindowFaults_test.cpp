// The window against a broken settings store and against SIGTERM in the middle of a copy.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>
#include <functional>

#include "CloseOnSignal.h"
#include "ui/MainWindowFixture.h"

namespace {

using WindowFaults = MainWindowTest;

void SelectByName(FileListView& list, const std::string& name) {
    list.findItems(QString::fromStdString(name), Qt::MatchExactly).at(0)->setSelected(true);
}

TEST_F(WindowFaults, BrokenSettingsGiveTheDefaultsAndTheWindowOpensFully) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>(i * 7 % 256 == '=' ? 1 : i * 7);
    const std::string file = SettingsFile(), dir = Path("home/.config/Brenlo");
    const std::function<void()> cases[] = {
        [&] { WriteFile(file, garbage); },
        [&] { WriteFile(file, "[General]\nMP3Dir=" + std::string(5000, 'a') + "\n"); },
        [&] { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); },
        [&] { ASSERT_EQ(symlink(file.c_str(), file.c_str()), 0); },
        [&] { setenv("XDG_CONFIG_HOME", Path("gone/config").c_str(), 1); },
    };
    WriteFile(Path("home/song.mp3"), "ID3");
    for (const auto& make : cases) {
        std::filesystem::remove_all(Path("home/.config"));
        std::filesystem::create_directories(dir);
        setenv("XDG_CONFIG_HOME", Path("home/.config").c_str(), 1);
        make();
        auto window = Open();
        window->show();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->txtMP3Dir->text().toStdString() + window->txtBMUDir->text().toStdString(),
                  Home() + Home());
        EXPECT_FALSE(window->chkWAVExtension->isChecked() || window->chkOverwriteAll->isChecked());
        EXPECT_TRUE(window->chkPreserveFileDateTime->isChecked());
        EXPECT_EQ(Names(*window->lvwMP3List), std::vector<std::string>{"song.mp3"});
        EXPECT_TRUE(window->close());
    }
    // A configuration folder that was missing is made by the first setting stored.
    Open();
    EXPECT_EQ(Stored("PreserveFileDateTime"), "1");
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
