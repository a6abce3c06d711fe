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
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    std::FILE* log = std::tmpfile();
    ASSERT_NE(log, nullptr);
    const std::string text = "tunewrap: <gone>: No such file or directory\n";
    platform::TellUserError(text, log);
    EXPECT_EQ(shown.toStdString(), "tunewrap: <gone>: No such file or directory");
    std::rewind(log);
    char written[128] = {};
    EXPECT_EQ(std::fread(written, 1, sizeof written - 1, log), text.size());
    EXPECT_EQ(written, text);
    std::fclose(log);
}

}  // namespace
