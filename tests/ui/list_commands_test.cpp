#include <gtest/gtest.h>

#include <QMenu>

#include "MainWindowFixture.h"
#include "ShowProperties.h"
#include "frmProperties.h"

using tunewrap::MsgButton;

namespace {

class ListCommandsTest : public MainWindowFixture {
  protected:
    void TearDown() override {
        showproperties::SetFileManagerForTesting(nullptr);
        MainWindowFixture::TearDown();
    }
    // The trash the window's deletions go to: $XDG_DATA_HOME/Trash.
    static QString Trash(const QString& part) {
        return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/Trash/" + part;
    }
    // Files that appear after the lists were filled show up only when a list is refilled.
    void AddLateFiles() {
        Touch("mp3/late.mp3");
        Touch("bmu/late.bmu");
    }
    void ExpectBothListsRefilled() {
        EXPECT_TRUE(Names(window->lvwMP3List).contains("late.mp3"));
        EXPECT_TRUE(Names(window->lvwBMUList).contains("late.bmu"));
    }
};

TEST_F(ListCommandsTest, DeleteAsksOnceAndNoTouchesNothing) {
    struct Case {
        std::int16_t popupList;
        QStringList selected;
        std::string question;
    };
    const Case cases[] = {
        {0, {"a.mp3"}, "Are you sure you want to delete:\r\n\r\na.mp3"},
        {1, {"x.bmu", "y.wav"}, "Are you sure you want to delete these 2 files?"},
    };
    for (const Case& c : cases) {
        questions.clear();
        window->intPopupList = c.popupList;
        Select(&window->List(static_cast<tunewrap::ListId>(c.popupList)), c.selected);
        AddLateFiles();
        answer = MsgButton::No;
        window->mnuPopupDelete->trigger();
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].text, c.question);
        EXPECT_EQ(questions[0].title, "Confirm Delete");
        EXPECT_EQ(questions[0].icon, tunewrap::MsgIcon::Question);
        EXPECT_EQ(questions[0].defaultButton, MsgButton::Yes);
        for (const char* file : {"mp3/a.mp3", "mp3/b.mp3", "bmu/x.bmu", "bmu/y.wav"}) {
            EXPECT_TRUE(Exists(file)) << file;
        }
        ExpectBothListsRefilled();
    }
}

TEST_F(ListCommandsTest, YesMovesEachSelectedFileToTheTrash) {
    window->intPopupList = 1;
    Select(window->lvwBMUList, {"x.bmu", "y.wav"});
    AddLateFiles();
    answer = MsgButton::Yes;
    window->mnuPopupDelete_Click();
    for (const char* name : {"x.bmu", "y.wav"}) {
        EXPECT_FALSE(Exists(QString("bmu/") + name)) << name;
        EXPECT_TRUE(QFileInfo::exists(Trash("files/") + name)) << name;
        EXPECT_TRUE(QFileInfo::exists(Trash("info/") + name + ".trashinfo")) << name;
    }
    EXPECT_EQ(Names(window->lvwBMUList), QStringList{"late.bmu"});
    ExpectBothListsRefilled();
    EXPECT_TRUE(Exists("mp3/a.mp3"));
}

TEST_F(ListCommandsTest, NamesThatLookLikeSeparatorsOrMasksDeleteOnlyThemselves) {
    for (const char* name : {"a|b.mp3", "a*.mp3", "?.mp3"}) {
        for (const char* other : {"mp3/a.mp3", "mp3/b.mp3", "mp3/ab.mp3"}) Touch(other);
        Touch(QString("mp3/") + name);
        Touch("mp3/a");
        window->cmdMP3Refresh_Click();
        window->intPopupList = 0;
        Select(window->lvwMP3List, {name});
        answer = MsgButton::Yes;
        window->mnuPopupDelete_Click();
        EXPECT_FALSE(Exists(QString("mp3/") + name)) << name;
        for (const char* other : {"mp3/a", "mp3/b.mp3", "mp3/ab.mp3", "mp3/a.mp3"}) {
            EXPECT_TRUE(Exists(other)) << name << " took " << other;
        }
    }
}

TEST_F(ListCommandsTest, AFileThatCannotBeTrashedDoesNotStopTheOthers) {
    window->intPopupList = 0;
    Select(window->lvwMP3List, {"a.mp3", "b.mp3"});
    window->SetAskYesNoHook([this](auto&&...) {
        QFile::remove(Path("mp3/a.mp3"));  // gone before its turn comes
        return MsgButton::Yes;
    });
    window->mnuPopupDelete_Click();
    EXPECT_FALSE(Exists("mp3/b.mp3"));
    EXPECT_TRUE(QFileInfo::exists(Trash("files/b.mp3")));
    EXPECT_TRUE(Names(window->lvwMP3List).isEmpty());
}

TEST_F(ListCommandsTest, DeleteWithNothingSelectedDoesNothing) {
    window->intPopupList = 0;
    AddLateFiles();
    window->mnuPopupDelete_Click();
    EXPECT_TRUE(questions.empty());
    EXPECT_FALSE(Names(window->lvwMP3List).contains("late.mp3"));
}

TEST_F(ListCommandsTest, SelectAllSelectsEveryItemAndLeavesTheButtonsAlone) {
    int itemClicks = 0;
    QObject::connect(window->lvwBMUList, &FileListView::ItemClick, [&itemClicks] { ++itemClicks; });
    window->intPopupList = 1;
    window->cmdConvertToBMU->setEnabled(true);
    window->mnuPopupSelectAll->trigger();
    EXPECT_EQ(Names(window->lvwBMUList, true), Names(window->lvwBMUList));
    EXPECT_EQ(Names(window->lvwBMUList).size(), 2);
    EXPECT_EQ(itemClicks, 0);
    EXPECT_FALSE(window->cmdConvertToMP3->isEnabled());
    EXPECT_TRUE(window->cmdConvertToBMU->isEnabled());
    EXPECT_TRUE(Names(window->lvwMP3List, true).isEmpty());

    window->txtMP3Dir->setText(Path("empty"));
    window->cmdMP3Refresh_Click();
    window->intPopupList = 0;
    window->mnuPopupSelectAll_Click();
    EXPECT_TRUE(Names(window->lvwMP3List).isEmpty());
}

TEST_F(ListCommandsTest, PropertiesIsOfferedForNoneOrOneSelectedFile) {
    for (int count : {0, 1, 2}) {
        Select(window->lvwMP3List, QStringList{"a.mp3", "b.mp3"}.mid(0, count));
        window->intPopupList = 1;
        window->lvwMP3List_MouseUp(Qt::RightButton, window->mapToGlobal(QPoint(50, 50)));
        EXPECT_EQ(window->intPopupList, 0);
        EXPECT_EQ(window->mnuPopupProperties->isEnabled(), count <= 1) << count;
        EXPECT_TRUE(window->mnuPopupDelete->isEnabled());
        EXPECT_TRUE(window->mnuPopupSelectAll->isEnabled());
        window->mnuPopup->close();
    }
}

TEST_F(ListCommandsTest, PropertiesShowsTheFirstSelectedFile) {
    std::vector<std::string> asked;
    showproperties::SetFileManagerForTesting([&asked](const std::string& path) {
        asked.push_back(path);
        return false;
    });
    window->intPopupList = 1;
    window->mnuPopupProperties_Click();
    EXPECT_TRUE(asked.empty());

    Select(window->lvwBMUList, {"y.wav"});
    window->mnuPopupProperties->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], (Path("bmu") + "/y.wav").toStdString());
    const auto shown = window->findChildren<frmProperties*>();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->Value("Name:"), "y.wav");
}

}  // namespace
