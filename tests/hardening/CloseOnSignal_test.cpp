// Being told to end (SIGTERM, Ctrl+C, a hang-up) closes the window as the user would, settings
// saved.
#include "CloseOnSignal.h"

#include <csignal>

#include "ui/MainWindowFixture.h"

namespace {

using CloseOnSignalTest = MainWindowTest;

TEST_F(CloseOnSignalTest, TerminationSignalsCloseTheWindowAndSaveTheSettings) {
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        std::filesystem::remove_all(Path("home/.config"));
        auto window = Open();
        CloseOnSignal closer(window.get());
        ASSERT_TRUE(closer.Installed());
        window->show();
        window->chkOverwriteAll->setChecked(true);
        std::raise(signalNumber);
        for (int i = 0; i < 100 && window->isVisible(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_FALSE(window->isVisible()) << signalNumber;
        EXPECT_EQ(Stored("OverwriteAll") + Stored("MP3Dir"), "1" + Home()) << signalNumber;
    }
}

}  // namespace
