#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "WhenModalAppears.h"
#include "frmAbout.h"

namespace {

class PanesTest : public MainWindowFixture {
  protected:
    // What differs between the two panes, as the window names it.
    struct Pane {
        const char* title;
        QLineEdit* box;
        FileListView* list;
        QPushButton* convert;
        QPushButton* otherConvert;
        void (frmMain::*browse)();
        QString folder;  // scratch folder with one file the pane lists
        QString listed;
    };
    std::vector<Pane> Panes() {
        Touch("new mp3/c.mp3");
        Touch("new bmu/z.bmu");
        return {{"Select your MP3 directory", window->txtMP3Dir, window->lvwMP3List,
                 window->cmdConvertToBMU, window->cmdConvertToMP3,
                 &frmMain::cmdPromptForMP3Dir_Click, "new mp3", "c.mp3"},
                {"Select your BMU directory", window->txtBMUDir, window->lvwBMUList,
                 window->cmdConvertToMP3, window->cmdConvertToBMU,
                 &frmMain::cmdPromptForBMUDir_Click, "new bmu", "z.bmu"}};
    }
    // The picker answers `chosen` and notes what it was asked.
    void Answer(const std::string& chosen) {
        mdlBrowseForFolder::SetAnswererForTesting(
            [this, chosen](const std::string& title, const std::string& start) {
                askedTitle = title;
                askedStart = start;
                return chosen;
            });
    }
    void SelectFirstAndEnableBoth(FileListView* list) {
        Select(list, {Names(list).first()});
        window->cmdConvertToBMU->setEnabled(true);
        window->cmdConvertToMP3->setEnabled(true);
    }
    std::string askedTitle, askedStart;
};

TEST_F(PanesTest, CancelledBrowseChangesNothing) {
    for (const Pane& pane : Panes()) {
        SelectFirstAndEnableBoth(pane.list);
        const QString box = pane.box->text();
        const QStringList names = Names(pane.list), selected = Names(pane.list, true);
        Answer("");
        (window.get()->*pane.browse)();
        EXPECT_EQ(askedTitle, pane.title);
        EXPECT_EQ(askedStart, box.toStdString());
        EXPECT_EQ(pane.box->text(), box);
        EXPECT_EQ(Names(pane.list), names);
        EXPECT_EQ(Names(pane.list, true), selected);
        EXPECT_TRUE(pane.convert->isEnabled());
        EXPECT_TRUE(pane.otherConvert->isEnabled());
    }
}

TEST_F(PanesTest, BrowseListsTheChosenFolderAndDisablesOnlyThatPanesButton) {
    for (const Pane& pane : Panes()) {
        SelectFirstAndEnableBoth(pane.list);
        Answer(Path(pane.folder).toStdString());
        (window.get()->*pane.browse)();
        EXPECT_EQ(pane.box->text(), Path(pane.folder));
        EXPECT_EQ(Names(pane.list), QStringList{pane.listed});
        EXPECT_FALSE(pane.convert->isEnabled());
        EXPECT_TRUE(pane.otherConvert->isEnabled());
    }
}

TEST_F(PanesTest, BrowseToTheSameFolderStillRebuildsTheList) {
    for (const Pane& pane : Panes()) {
        SelectFirstAndEnableBoth(pane.list);
        const QStringList names = Names(pane.list);
        Touch(pane.box->text() + "/late.mp3");
        Touch(pane.box->text() + "/late.bmu");
        Answer(pane.box->text().toStdString());
        (window.get()->*pane.browse)();
        EXPECT_EQ(Names(pane.list).size(), names.size() + 1);
        EXPECT_TRUE(Names(pane.list, true).isEmpty());
        EXPECT_FALSE(pane.convert->isEnabled());
    }
}

TEST_F(PanesTest, FolderEndingInASeparatorStillLists) {
    // A root comes back with its separator; the list then reads "//", which names the same.
    Answer("/");
    window->cmdPromptForMP3Dir_Click();
    EXPECT_EQ(window->txtMP3Dir->text(), "/");
    QStringList rootMp3s = QDir("/").entryList({"*.mp3"}, QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList listed = Names(window->lvwMP3List);
    rootMp3s.sort();
    listed.sort();
    EXPECT_EQ(listed, rootMp3s);

    Answer((Path("new mp3") + "/").toStdString());
    Touch("new mp3/c.mp3");
    window->cmdPromptForMP3Dir_Click();
    EXPECT_EQ(Names(window->lvwMP3List), QStringList{"c.mp3"});
}

TEST_F(PanesTest, AboutOpensModallyOverTheWindow) {
    QWidget* owner = nullptr;
    WhenModalAppears<frmAbout>([&owner](frmAbout* about) {
        owner = about->parentWidget();
        about->cmdOK->click();
    });
    window->cmdInfo->click();
    EXPECT_EQ(owner, window.get());
}

}  // namespace
