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
    QTemporaryDir tmp;
    const QString music = tmp.path() + "/music", ambient = music + "/ambient";
    ASSERT_TRUE(QDir().mkpath(ambient));
    QWidget owner;
    owner.show();
    struct Case {
        QString start;
        bool confirm;
        std::string result;
        QString shownFolder;  // empty: the dialog's default
    };
    const Case cases[] = {
        {ambient, true, ambient.toStdString(), music},
        {ambient + "/", true, ambient.toStdString(), music},  // no trailing separator back
        {"/", true, "/", "/"},                                // a root keeps its separator
        {music, false, "", tmp.path()},                       // cancel
        {music + "/gone", false, "", ""},
    };
    for (const Case& c : cases) {
        QFileDialog* seen = nullptr;
        QString shownFolder, title;
        WhenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
            seen = dialog;
            shownFolder = dialog->directory().absolutePath();
            title = dialog->windowTitle();
            EXPECT_EQ(dialog->parentWidget(), &owner);
            EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
            QDialog* asDialog = dialog;  // accept() is public only as QDialog's
            c.confirm ? asDialog->accept() : asDialog->reject();
        });
        EXPECT_EQ(mdlBrowseForFolder::BrowseForFolder(owner.winId(), "Select your MP3 directory",
                                                      c.start.toStdString()),
                  c.result)
            << c.start.toStdString();
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(title, "Select your MP3 directory");
        EXPECT_TRUE(c.shownFolder.isEmpty() ? !shownFolder.startsWith(music + "/gone")
                                            : shownFolder == c.shownFolder)
            << shownFolder.toStdString();
    }
}

}  // namespace
