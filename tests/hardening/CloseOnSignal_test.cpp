// Being told to end (SIGTERM, Ctrl+C, a hang-up) closes the window as the user would, settings
// saved. The program itself is run, started as a file manager's "Open with" starts it.
#include <csignal>

#include "common/ChildProcess.h"
#include "ui/MainWindowFixture.h"

namespace {

using CloseOnSignalTest = MainWindowTest;

TEST_F(CloseOnSignalTest, TerminationSignalsCloseTheWindowWhichKeepsTheFolderItWasGiven) {
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction inherited {};
        sigaction(signalNumber, nullptr, &inherited);
        if (inherited.sa_handler == SIG_IGN) continue;  // under nohup, as the program is asked
        const std::string folder = Path(std::to_string(signalNumber));
        std::filesystem::create_directories(folder);
        ChildProcess program({TUNEWRAP_WINDOW, "-platform", "offscreen", folder}, Path(""));
        ASSERT_TRUE(program.WaitUntilCatching(signalNumber));
        program.Signal(signalNumber);
        const ChildProcess::Result result = program.Wait();
        EXPECT_TRUE(result.exited && result.status == 0) << signalNumber << result.err;
        EXPECT_EQ(Stored("MP3Dir"), folder);
    }
    setenv("LANGUAGE", "en", 1);  // the words looked for below
    // A wrong argument is told on the terminal, and there only (a box would never be answered
    // here); names are shown as the command line shows them: no byte of them drives it.
    for (const auto& [argument, told] : {std::pair{"-\x1B[31m\a", "unknown option -?[31m?"},
                                         {"gone\x1B[31m\a", "?[31m?: No such file or directory"}}) {
        const std::string command =
            std::string("'") + TUNEWRAP_WINDOW + "' -platform offscreen '" + argument + "'";
        const auto shown = ChildProcess({"script", "-qec", command, "/dev/null"}, Path("")).Wait();
        if (shown.status == 127) GTEST_SKIP() << "no script(1)";
        EXPECT_EQ(shown.status, 2);
        EXPECT_NE(shown.out.find(told), std::string::npos) << shown.out;
        EXPECT_EQ(shown.out.find_first_of("\x1B\a"), std::string::npos);
    }
}

}  // namespace
