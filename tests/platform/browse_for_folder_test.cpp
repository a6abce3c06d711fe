#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include "mdlBrowseForFolder.h"
#include "ui/MainWindowFixture.h"

namespace {

using BrowseForFolderTest = MainWindowTest;

// The real dialog, confirmed (or cancelled) with whatever it offers at first.
TEST_F(BrowseForFolderTest, OpensAtTheStartFolderAndReturnsTheChoice) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows shows its own folder picker, which a test cannot answer";
#endif
    QTemporaryDir tmp;
    const QString music = tmp.path() + "/music", ambient = music + "/ambient";
    ASSERT_TRUE(QDir().mkpath(ambient));
    QWidget owner;
    owner.show();
    const struct {
        QString start;
        bool confirm;
        std::string result;
        QString shownFolder;  // empty: the dialog's default
    } cases[] = {
        {ambient + "/", true, ambient.toStdString(), music},  // no trailing separator back
        {"/", true, "/", "/"},                                // a root keeps its separator
        {music, false, "", tmp.path()},                       // cancel
        {music + "/gone", false, "", ""},
    };
    for (const auto& c : cases) {
        QString shownFolder = "<none>";
        WhenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
            shownFolder = dialog->directory().absolutePath();
            EXPECT_EQ(dialog->windowTitle(), "Select your MP3 directory");
            EXPECT_TRUE(dialog->parentWidget() == &owner &&
                        dialog->testOption(QFileDialog::ShowDirsOnly));
            QDialog* asDialog = dialog;  // accept() is public only as QDialog's
            c.confirm ? asDialog->accept() : asDialog->reject();
        });
        EXPECT_EQ(mdlBrowseForFolder::BrowseForFolder(owner.winId(), "Select your MP3 directory",
                                                      c.start.toStdString()),
                  c.result);
        EXPECT_TRUE(c.shownFolder.isEmpty()
                        ? shownFolder != "<none>" && !shownFolder.startsWith(music + "/gone")
                        : shownFolder == c.shownFolder)
            << shownFolder.toStdString();
    }
}

}  // namespace
