#include <gtest/gtest.h>

#include <QMenu>

#include "PanesFixture.h"
#include "ShowProperties.h"
#include "frmProperties.h"

using tunewrap::MsgButton;

namespace {

class ListCommandsTest : public PanesFixture {
  protected:
    void TearDown() override {
        showproperties::SetFileManagerForTesting(nullptr);
        PanesFixture::TearDown();
    }
    static bool InTrash(const QString& name) {
        const QString trash = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/Trash/";
        return QFileInfo::exists(trash + "files/" + name) &&
               QFileInfo::exists(trash + "info/" + name + ".trashinfo");
    }
    // Files that appear after the lists were filled show up only when a list is refilled.
    void DeleteAndExpectBothListsRefilled() {
        Touch("mp3/late.mp3");
        Touch("bmu/late.bmu");
        window->mnuPopupDelete->trigger();
        EXPECT_TRUE(Names(window->lvwMP3List).contains("late.mp3"));
        EXPECT_TRUE(Names(window->lvwBMUList).contains("late.bmu"));
    }
};

TEST_F(ListCommandsTest, DeleteAsksOnceThenTrashesOnYesOnly) {
    struct Case {
        std::int16_t popupList;
        QStringList selected;
        std::string question;
        QString dir;
    };
    const Case cases[] = {
        {0, {"a.mp3"}, "Are you sure you want to delete:\r\n\r\na.mp3", "mp3/"},
        {1, {"x.bmu", "y.wav"}, "Are you sure you want to delete these 2 files?", "bmu/"},
    };
    for (const Case& c : cases) {
        for (MsgButton reply : {MsgButton::No, MsgButton::Yes}) {
            questions.clear();
            window->intPopupList = c.popupList;
            Select(&window->List(static_cast<tunewrap::ListId>(c.popupList)), c.selected);
            answer = reply;
            DeleteAndExpectBothListsRefilled();
            EXPECT_EQ(questions, std::vector<std::string>{c.question + "|Confirm Delete|?Yes"});
            for (const QString& name : c.selected) {
                EXPECT_EQ(Exists(c.dir + name), reply == MsgButton::No) << name.toStdString();
                EXPECT_EQ(InTrash(name), reply == MsgButton::Yes) << name.toStdString();
            }
        }
    }
    EXPECT_TRUE(Exists("mp3/b.mp3"));
}

TEST_F(ListCommandsTest, OddNamesDeleteOnlyThemselvesAndFailuresDoNotStopTheRest) {
    for (const char* name : {"a|b.mp3", "a*.mp3", "?.mp3"}) {
        for (const char* file : {"mp3/a", "mp3/a.mp3", "mp3/b.mp3", "mp3/ab.mp3"}) Touch(file);
        Touch(QString("mp3/") + name);
        window->cmdMP3Refresh_Click();
        window->intPopupList = 0;
        Select(window->lvwMP3List, {name});
        answer = MsgButton::Yes;
        window->mnuPopupDelete_Click();
        EXPECT_FALSE(Exists(QString("mp3/") + name)) << name;
        for (const char* other : {"mp3/a", "mp3/a.mp3", "mp3/b.mp3", "mp3/ab.mp3"}) {
            EXPECT_TRUE(Exists(other)) << name << " took " << other;
        }
    }
    Select(window->lvwMP3List, {"a.mp3", "b.mp3"});
    window->SetAskYesNoHook([this](auto&&...) {
        QFile::remove(Path("mp3/a.mp3"));  // gone before its turn comes
        return MsgButton::Yes;
    });
    window->mnuPopupDelete_Click();
    EXPECT_FALSE(Exists("mp3/b.mp3"));
    EXPECT_EQ(Names(window->lvwMP3List), QStringList{"ab.mp3"});
}

TEST_F(ListCommandsTest, WithNothingSelectedDeleteAndPropertiesDoNothing) {
    bool fileManagerAsked = false;
    showproperties::SetFileManagerForTesting(
        [&](const std::string&) { return fileManagerAsked = true; });
    window->intPopupList = 0;
    Touch("mp3/late.mp3");
    window->mnuPopupDelete_Click();
    window->mnuPopupProperties_Click();
    EXPECT_TRUE(questions.empty());
    EXPECT_FALSE(Names(window->lvwMP3List).contains("late.mp3"));
    EXPECT_FALSE(fileManagerAsked);
}

TEST_F(ListCommandsTest, SelectAllSelectsEveryItemAndLeavesTheButtonsAlone) {
    int itemClicks = 0;
    QObject::connect(window->lvwBMUList, &FileListView::ItemClick, [&itemClicks] { ++itemClicks; });
    window->intPopupList = 1;
    window->mnuPopupSelectAll->trigger();
    EXPECT_EQ(Names(window->lvwBMUList, true), QStringList({"x.bmu", "y.wav"}));
    EXPECT_EQ(itemClicks, 0);
    EXPECT_FALSE(window->cmdConvertToMP3->isEnabled());
    EXPECT_TRUE(Names(window->lvwMP3List, true).isEmpty());

    window->txtMP3Dir->setText(Path("empty"));
    window->cmdMP3Refresh_Click();
    window->intPopupList = 0;
    window->mnuPopupSelectAll_Click();
    EXPECT_TRUE(Names(window->lvwMP3List).isEmpty());
}

TEST_F(ListCommandsTest, PropertiesIsOfferedForNoneOrOneFileAndShowsIt) {
    for (int count : {0, 1, 2}) {
        Select(window->lvwBMUList, QStringList{"y.wav", "x.bmu"}.mid(0, count));
        window->lvwBMUList_MouseUp(Qt::RightButton, window->mapToGlobal(QPoint(50, 50)));
        EXPECT_EQ(window->mnuPopupProperties->isEnabled(), count <= 1) << count;
        window->mnuPopup->close();
    }
    std::vector<std::string> asked;
    for (bool fileManagerAnswers : {true, false}) {
        showproperties::SetFileManagerForTesting([&](const std::string& path) {
            asked.push_back(path);
            return fileManagerAnswers;
        });
        Select(window->lvwBMUList, {"y.wav"});
        window->mnuPopupProperties_Click();
        EXPECT_EQ(window->findChildren<frmProperties*>().size(), fileManagerAnswers ? 0 : 1);
    }
    EXPECT_EQ(asked, std::vector<std::string>(2, (Path("bmu") + "/y.wav").toStdString()));
    EXPECT_EQ(window->findChild<frmProperties*>()->Value("Name:"), "y.wav");
}

}  // namespace
