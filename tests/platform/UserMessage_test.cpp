#include "UserMessage.h"

#include <QMessageBox>

#include "ui/MainWindowFixture.h"

namespace {

using UserMessageTest = MainWindowTest;

// Started where nobody reads its standard error, the window shows why it will not start in a
// box, and writes it there too for a log.
TEST_F(UserMessageTest, AnErrorWithoutATerminalIsShownInABoxAsWell) {
    QString shown;
    WhenModalAppears<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->accept();
    });
    std::FILE* log = std::tmpfile();
    platform::TellUserError("tunewrap: <gone>: No such file\n", log);
    EXPECT_EQ(shown.toStdString(), "tunewrap: <gone>: No such file");
    std::rewind(log);
    char written[64] = {};
    EXPECT_GT(std::fread(written, 1, sizeof written - 1, log), 0u);
    EXPECT_STREQ(written, "tunewrap: <gone>: No such file\n");
    std::fclose(log);
}

}  // namespace
