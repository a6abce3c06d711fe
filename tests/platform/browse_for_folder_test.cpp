#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QWidget>

#include "mdlBrowseForFolder.h"
#include "support/QtTestApp.h"

using mdlBrowseForFolder::BrowseForFolder;
using testsupport::WhenModalAppears;

namespace {

class BrowseForFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ASSERT_TRUE(QDir(tmp.path()).mkpath("music/ambient"));
    }
    std::string Path(const char* relative) const {
        return QDir(tmp.path()).filePath(relative).toStdString();
    }
    QTemporaryDir tmp;
};

struct SeenDialog {
    QString title;
    QString directory;
    QStringList selected;
    QWidget* owner = nullptr;
    bool dirsOnly = false;
};

// Opens the real dialog and confirms (or cancels) whatever it offers at first.
std::string Browse(platform::WindowHandle owner, const std::string& start, bool confirm,
                   SeenDialog& seen) {
    WhenModalAppears<QFileDialog>([&seen, confirm](QFileDialog* dialog) {
        seen = {dialog->windowTitle(), dialog->directory().absolutePath(), dialog->selectedFiles(),
                dialog->parentWidget(), dialog->testOption(QFileDialog::ShowDirsOnly)};
        QDialog* asDialog = dialog;  // accept() is public only as QDialog's
        confirm ? asDialog->accept() : asDialog->reject();
    });
    return BrowseForFolder(owner, "Select your MP3 directory", start);
}

TEST_F(BrowseForFolderTest, ConfirmingTheStartFolderReturnsItWithoutTrailingSeparator) {
    for (const std::string& start : {Path("music/ambient"), Path("music/ambient") + "/"}) {
        SeenDialog seen;
        EXPECT_EQ(Browse(0, start, true, seen), Path("music/ambient")) << start;
        EXPECT_EQ(seen.title, "Select your MP3 directory");
        EXPECT_EQ(seen.directory, QString::fromStdString(Path("music")));
        EXPECT_EQ(seen.selected, QStringList{QString::fromStdString(Path("music/ambient"))});
        EXPECT_TRUE(seen.dirsOnly);
    }
}

TEST_F(BrowseForFolderTest, RootKeepsItsSeparator) {
    SeenDialog seen;
    EXPECT_EQ(Browse(0, "/", true, seen), "/");
}

TEST_F(BrowseForFolderTest, MissingStartFolderOpensAtTheDialogsDefault) {
    SeenDialog seen;
    const std::string missing = Path("music/gone");
    EXPECT_NE(Browse(0, missing, false, seen), missing);
    EXPECT_FALSE(seen.directory.startsWith(QString::fromStdString(missing)));
    EXPECT_TRUE(QDir(seen.directory).exists());
}

TEST_F(BrowseForFolderTest, CancelReturnsEmptyText) {
    SeenDialog seen;
    EXPECT_EQ(Browse(0, Path("music"), false, seen), "");
}

TEST_F(BrowseForFolderTest, DialogBelongsToTheOwnerWindow) {
    QWidget owner;
    owner.show();
    SeenDialog seen;
    Browse(static_cast<platform::WindowHandle>(owner.winId()), Path("music"), false, seen);
    EXPECT_EQ(seen.owner, &owner);
}

TEST_F(BrowseForFolderTest, AnswererStandsInForThePerson) {
    std::string seenTitle, seenStart;
    mdlBrowseForFolder::SetAnswererForTesting(
        [&](const std::string& title, const std::string& start) {
            seenTitle = title;
            seenStart = start;
            return std::string("/chosen");
        });
    EXPECT_EQ(BrowseForFolder(0, "Select your BMU directory", "/start"), "/chosen");
    mdlBrowseForFolder::SetAnswererForTesting(nullptr);
    EXPECT_EQ(seenTitle, "Select your BMU directory");
    EXPECT_EQ(seenStart, "/start");
}

}  // namespace
