// The shell's services the window uses, under Wine or Windows.
#include "mdlFileOps.h"  // before <windows.h>, which makes macros of names it declares

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "FileManagerProperties.h"
#include "common/ChildProcess.h"
#include "common/ScratchHome.h"

namespace {

using WindowsShell = ScratchHome;

TEST_F(WindowsShell, PropertiesGoToTheStandInOrTheShell) {
    std::string asked;
    platform::SetFileManagerForTesting([&](const std::string& path) {
        asked = path;
        return true;
    });
    EXPECT_TRUE(platform::ShowPropertiesInFileManager(Path("a.mp3")));
    EXPECT_EQ(asked, Path("a.mp3"));
    platform::SetFileManagerForTesting(nullptr);
    EXPECT_FALSE(platform::ShowPropertiesInFileManager(Path("missing.mp3")));
}

// Wine keeps the Recycle Bin in the XDG trash under $HOME, which the test's environment moves
// into the build folder.
TEST_F(WindowsShell, DeletedFilesLeaveTheirFolderForTheRecycleBin) {
    WriteFile(Path("music/a.mp3"), "tune");
    WriteFile(Path("music/b.mp3"), "kept");
    SHQUERYRBINFO before{sizeof before, 0, 0}, after{sizeof after, 0, 0};
    ASSERT_EQ(SHQueryRecycleBinW(nullptr, &before), S_OK);
    mdlFileOps::ShellDelete(0, Path("music/a.mp3"), "", false, false, false);
    ASSERT_EQ(SHQueryRecycleBinW(nullptr, &after), S_OK);
    EXPECT_EQ(Listing("music"), (std::set<std::string>{"b.mp3"}));
    EXPECT_EQ(after.i64NumItems - before.i64NumItems, 1);
    EXPECT_EQ(after.i64Size - before.i64Size, 4);
}

// A window program prints where its output was sent, as from a script.
TEST_F(WindowsShell, TextsForTheUserGoWhereTheOutputWasSent) {
    ChildProcess probe({TUNEWRAP_TELL_USER_PROBE, "Usage: tunewrap\n"}, Path(""));
    const ChildProcess::Result printed = probe.Wait();
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, "Usage: tunewrap\r\n");
}

// Started from the desktop, with no console to print to, it shows the text in a box of its own.
TEST_F(WindowsShell, TextsForTheUserWithoutAConsoleGoToABox) {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr &&
        std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "Wine shows no window without an X display";
    ChildProcess probe({TUNEWRAP_TELL_USER_PROBE, "--from-a-window", "Tunewrap 1.0"}, Path(""));
    HWND box = nullptr;
    for (int tries = 0; tries < 2400 && box == nullptr; ++tries) {
        Sleep(25);
        box = FindWindowW(L"#32770", L"Tunewrap");
    }
    ASSERT_NE(box, nullptr);
    wchar_t text[64] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 64);  // the box's text is its static control
    EXPECT_STREQ(text, L"Tunewrap 1.0");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    const ChildProcess::Result shown = probe.Wait();
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "");
}

}  // namespace
