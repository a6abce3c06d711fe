// Being told to end (SIGTERM, Ctrl+C, a hang-up) closes the window as the user would, settings
// saved.
#include "CloseOnSignal.h"

#include <csignal>

#include "common/ChildProcess.h"
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

// The program itself, as a file manager's "Open with" starts it: the folder it is given is
// listed and, as the pane's folder, kept at exit; a path that names nothing stops it at once.
TEST_F(CloseOnSignalTest, TheProgramListsAFolderItIsGivenAndRefusesAMissingPath) {
    std::filesystem::create_directories(Path("Songs"));
    for (const std::string& given : {Path("Songs"), Path("gone")}) {
        ChildProcess program({TUNEWRAP_WINDOW, "-platform", "offscreen", given}, Path(""));
        if (program.WaitUntilCatching(SIGTERM)) program.Signal(SIGTERM);
        const ChildProcess::Result result = program.Wait();
        EXPECT_TRUE(result.exited);
        EXPECT_EQ(result.status, given == Path("gone") ? 2 : 0) << result.err;
    }
    EXPECT_EQ(Stored("MP3Dir"), Path("Songs"));
    EXPECT_EQ(Stored("BMUDir"), Home());
}

}  // namespace
