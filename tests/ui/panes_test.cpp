#include <gtest/gtest.h>

#include "PanesFixture.h"
#include "WhenModalAppears.h"
#include "frmAbout.h"

namespace {

class PanesTest : public PanesFixture {
  protected:
    // The picker answers `chosen` and notes what it was asked.
    void Answer(const QString& chosen) {
        mdlBrowseForFolder::SetAnswererForTesting(
            [this, chosen](const std::string& title, const std::string& start) {
                asked = title + "|" + start;
                return chosen.toStdString();
            });
    }
    std::string asked;
};

TEST_F(PanesTest, BrowseListsTheChoiceAndDisablesOnlyThatPanesButton) {
    struct Pane {
        const char* title;
        QLineEdit* box;
        FileListView* list;
        QPushButton *convert, *otherConvert;
        void (frmMain::*browse)();
        QString newFile;
    };
    const Pane panes[] = {
        {"Select your MP3 directory", window->txtMP3Dir, window->lvwMP3List,
         window->cmdConvertToBMU, window->cmdConvertToMP3, &frmMain::cmdPromptForMP3Dir_Click,
         "c.mp3"},
        {"Select your BMU directory", window->txtBMUDir, window->lvwBMUList,
         window->cmdConvertToMP3, window->cmdConvertToBMU, &frmMain::cmdPromptForBMUDir_Click,
         "c.bmu"},
    };
    for (const Pane& pane : panes) {
        const QString same = pane.box->text();
        Touch("new/" + pane.newFile);
        for (const QString& chosen : {QString(), Path("new"), same}) {
            Select(pane.list, {Names(pane.list).first()});
            window->cmdConvertToBMU->setEnabled(true);
            window->cmdConvertToMP3->setEnabled(true);
            const QString box = pane.box->text();
            const QStringList names = Names(pane.list), selected = Names(pane.list, true);
            Touch(same + "/late" + pane.newFile);  // only a rebuilt list shows it
            Answer(chosen);
            (window.get()->*pane.browse)();
            EXPECT_EQ(asked, pane.title + ("|" + box.toStdString()));
            EXPECT_TRUE(pane.otherConvert->isEnabled());
            if (chosen.isEmpty()) {  // cancelled: nothing changes
                EXPECT_EQ(pane.box->text(), box);
                EXPECT_EQ(Names(pane.list), names);
                EXPECT_EQ(Names(pane.list, true), selected);
                EXPECT_TRUE(pane.convert->isEnabled());
                continue;
            }
            EXPECT_EQ(pane.box->text(), chosen);
            EXPECT_TRUE(
                Names(pane.list).contains(chosen == same ? "late" + pane.newFile : pane.newFile));
            EXPECT_TRUE(Names(pane.list, true).isEmpty());
            EXPECT_FALSE(pane.convert->isEnabled());
        }
    }
}

TEST_F(PanesTest, FolderEndingInASeparatorStillLists) {
    // A root comes back with its separator; the list then reads "//", which names the same.
    Answer("/");
    window->cmdPromptForMP3Dir_Click();
    QStringList rootMp3s = QDir("/").entryList({"*.mp3"}, QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList listed = Names(window->lvwMP3List);
    rootMp3s.sort();
    listed.sort();
    EXPECT_EQ(listed, rootMp3s);
    Answer(Path("mp3") + "/");
    window->cmdPromptForMP3Dir_Click();
    EXPECT_EQ(Names(window->lvwMP3List), QStringList({"a.mp3", "b.mp3"}));
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
