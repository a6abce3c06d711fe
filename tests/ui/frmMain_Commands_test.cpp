#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

#include "MainWindowFixture.h"
#include "Version.h"
#include "frmDocument.h"
#include "frmProperties.h"

namespace {

// Music holds a.mp3 and b.mp3; Game/music x.bmu, a BMU file named y.wav and a wave file.
class Commands : public TwoFolders {
  protected:
    void SetUp() override {
        TwoFolders::SetUp();
        for (const char* file : {"Music/a.mp3", "Music/b.mp3", "Game/music/x.bmu"})
            WriteFile(Path(file), "x");
        WriteFile(Path("Game/music/y.wav"), "BMU V1.0");
        WriteFile(Path("Game/music/real.wav"), "RIFF");
        window = Open();
    }
    // The picker answers `chosen` and notes what it was asked.
    void Answer(const std::string& chosen) {
        mdlBrowseForFolder::SetAnswererForTesting(
            [this, chosen](const auto& title, const auto& at) {
                asked = title + "|" + at;
                return chosen;
            });
    }
    std::unique_ptr<Window> window;
    std::string asked;
};

TEST_F(Commands, DeleteAsksOnceThenTrashesOnYesOnlyAndRefillsBothLists) {
    const struct {
        std::int16_t list;
        Strings selected;
        std::string question;
        bool byKey;  // the Delete key acts on its own list, not on the menu's
    } cases[] = {
        {0, {}, "", false},  // nothing selected: nothing asked, nothing refilled
        {0, {"a.mp3"}, "Are you sure you want to delete:\r\n\r\na.mp3", false},
        {1, {"x.bmu", "y.wav"}, "Are you sure you want to delete these 2 files?", true},
    };
    for (const auto& c : cases) {
        for (MsgButton reply : {MsgButton::No, MsgButton::Yes}) {
            Script(*window, {reply});
            window->intPopupList = c.byKey ? 1 - c.list : c.list;
            FileListView& list = window->List(static_cast<tunewrap::ListId>(c.list));
            Select(list, c.selected);
            WriteFile(Path("Music/late.mp3"), "");  // only a refill lists it
            c.byKey ? QTest::keyClick(&list, Qt::Key_Delete) : window->mnuPopupDelete->trigger();
            EXPECT_EQ(Names(*window->lvwMP3List).back() == "late.mp3", !c.selected.empty());
            EXPECT_EQ(questions, c.selected.empty() ? Strings{}
                                                    : Strings{c.question + "|Confirm Delete|?Yes"});
            for (const std::string& name : c.selected) {
                EXPECT_EQ(Exists((c.list ? "Game/music/" : "Music/") + name),
                          reply == MsgButton::No);
                EXPECT_EQ(Exists("home/.local/share/Trash/files/" + name), reply == MsgButton::Yes);
            }
        }
    }
    EXPECT_TRUE(Exists("Music/b.mp3"));
    // A file gone before its turn does not stop the rest.
    window->intPopupList = 0;
    Select(*window->lvwMP3List, {"b.mp3", "late.mp3"});
    window->SetAskYesNoHook([this](auto&&...) {
        std::filesystem::remove(Path("Music/b.mp3"));
        return MsgButton::Yes;
    });
    window->mnuPopupDelete_Click();
    EXPECT_TRUE(Names(*window->lvwMP3List).empty() && !Exists("Music/late.mp3"));
}

TEST_F(Commands, RightClickOffersPropertiesForNoneOrOneFileAskingTheFileManagerFirst) {
    window->show();
    FileListView& list = *window->lvwBMUList;
    for (const Strings& selected : {Strings{}, Strings{"x.bmu"}, Strings{"x.bmu", "y.wav"}}) {
        Select(list, selected);
        // On a selected row a right click keeps the selection; on empty space it clears it.
        const QPoint at = selected.empty() ? QPoint(5, list.viewport()->height() - 5)
                                           : list.visualItemRect(list.topLevelItem(0)).center();
        QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, at);
        EXPECT_EQ(window->intPopupList, 1);
        EXPECT_TRUE(window->mnuPopup->isVisible() && window->mnuPopupDelete->isEnabled());
        EXPECT_EQ(window->mnuPopupProperties->isEnabled(), selected.size() <= 1);
        window->mnuPopup->hide();
    }
    Strings paths;
    for (bool fileManagerAnswers : {true, false}) {
        platform::SetFileManagerForTesting([&](const std::string& path) {
            paths.push_back(path);
            return fileManagerAnswers;
        });
        Select(list, {"y.wav"});
        window->mnuPopupProperties_Click();
        EXPECT_EQ(window->findChildren<frmProperties*>().size(), fileManagerAnswers ? 0 : 1);
    }
    EXPECT_EQ(paths, Strings(2, Path("Game/music") + "/y.wav"));
    EXPECT_EQ(window->findChild<frmProperties*>()->Value("Name:"), "y.wav");
    // The Menu key and Shift+F10 open the menu at the current row.
    FileListView& mp3s = *window->lvwMP3List;
    mp3s.setCurrentItem(mp3s.topLevelItem(1));
    const QPoint row =
        mp3s.viewport()->mapToGlobal(mp3s.visualItemRect(mp3s.topLevelItem(1)).center());
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Menu), Qt::SHIFT | Qt::Key_F10}) {
        window->intPopupList = 1;
        QTest::keyClick(&mp3s, key.key(), key.keyboardModifiers());
        EXPECT_EQ(window->intPopupList, 0);
        EXPECT_TRUE(window->mnuPopup->isVisible());
        EXPECT_EQ(window->mnuPopup->pos().y(), row.y());
        window->mnuPopup->hide();
    }
}

TEST_F(Commands, NamesAreReadAndDeletedInTheListedFolderUntilEnterListsTheTypedOne) {
    const std::string song = Sample("cbr128_joint.mp3");
    WriteFile(Path("Music/a.mp3"), song);
    for (const char* file : {"other/a.mp3", "other/o.mp3", "other/x.bmu"})
        WriteFile(Path(file), "other");
    auto type = [this](QLineEdit* box, const char* folder, bool enter) {
        box->clear();
        QTest::keyClicks(box, QString::fromStdString(Path(folder)));
        if (enter) QTest::keyClick(box, Qt::Key_Return);
    };
    type(window->txtMP3Dir, "other", false);
    type(window->txtBMUDir, "other", false);
    Script(*window, {MsgButton::Yes});
    Select(*window->lvwMP3List, {"a.mp3"});
    window->cmdConvertToBMU_Click();
    EXPECT_TRUE(ReadFile(Path("Game/music/a.bmu")) == "BMU V1.0" + song);
    EXPECT_EQ(Names(*window->lvwBMUList), (Strings{"a.bmu", "x.bmu", "y.wav"}));
    window->intPopupList = 1;
    Select(*window->lvwBMUList, {"x.bmu"});
    window->mnuPopupDelete_Click();  // then lists what the boxes name
    EXPECT_FALSE(Exists("Game/music/x.bmu"));
    EXPECT_EQ(ReadFile(Path("other/x.bmu")), "other");
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"a.mp3", "o.mp3"}));
    type(window->txtMP3Dir, "Music", true);
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"a.mp3", "b.mp3"}));
    // The listed folder is gone: the name fails there rather than meaning a file elsewhere.
    std::filesystem::remove_all(Path("Music"));
    type(window->txtMP3Dir, "other", false);
    Select(*window->lvwMP3List, {"a.mp3"});
    window->cmdConvertToBMU_Click();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[1].starts_with("a.mp3 could not be converted:")) << questions[1];
    EXPECT_EQ(questions[1].find("continue"), std::string::npos);  // nothing is left to go on with
}

TEST_F(Commands, BrowseListsTheChoiceAndDisablesOnlyThatPanesButton) {
    const struct {
        const char* title;
        QLineEdit* box;
        FileListView* list;
        QPushButton *convert, *otherConvert;
        void (frmMain::*browse)();
    } panes[] = {
        {"Select your MP3 directory", window->txtMP3Dir, window->lvwMP3List,
         window->cmdConvertToBMU, window->cmdConvertToMP3, &Window::cmdPromptForMP3Dir_Click},
        {"Select your BMU directory", window->txtBMUDir, window->lvwBMUList,
         window->cmdConvertToMP3, window->cmdConvertToBMU, &Window::cmdPromptForBMUDir_Click},
    };
    WriteFile(Path("new/c.mp3"), "x");
    WriteFile(Path("new/c.bmu"), "x");
    for (const auto& pane : panes) {
        for (const std::string& chosen : {std::string(), Path("new")}) {  // cancelled, chosen
            Select(*pane.list, {Names(*pane.list).front()});
            window->cmdConvertToBMU->setEnabled(true);
            window->cmdConvertToMP3->setEnabled(true);
            const std::string before = pane.box->text().toStdString();
            const Strings names = Names(*pane.list);
            Answer(chosen);
            (window.get()->*pane.browse)();
            EXPECT_EQ(asked, pane.title + ("|" + before));
            EXPECT_TRUE(pane.otherConvert->isEnabled());
            EXPECT_EQ(pane.convert->isEnabled(), chosen.empty());
            EXPECT_EQ(pane.box->text().toStdString(), chosen.empty() ? before : chosen);
            EXPECT_EQ(Names(*pane.list, true).size(), chosen.empty() ? 1u : 0u);
            EXPECT_EQ(Names(*pane.list) == names, chosen.empty());
        }
    }
    Answer(Path("Music") + "/");  // a folder ending in a separator lists the same
    window->cmdPromptForMP3Dir_Click();
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"a.mp3", "b.mp3"}));
}

// Links open on a left click, and on Enter or Space once Tab has reached them.
// The window shows the icon the desktop's menus show, at each size drawn for them.
TEST_F(Commands, WindowIconIsTheMenusIcon) {
    for (const int size : {16, 32, 256}) {
        const QString menus = QStringLiteral(TUNEWRAP_ICONS_DIR "/%1x%1/org.brenlo.Tunewrap.png")
                                  .arg(size);
        // Premultiplied, as a pixmap may keep them, so that both sides round alike.
        constexpr auto kFormat = QImage::Format_ARGB32_Premultiplied;
        EXPECT_EQ(window->windowIcon().pixmap(size).toImage().convertToFormat(kFormat),
                  QImage(menus).convertToFormat(kFormat))
            << size;
    }
}

// Where the About box's links led: the shipped document its viewer shows, with the section.
std::string Showing(const frmAbout* about) {
    const auto* page = about->findChild<QTextBrowser*>("rtfDocument");
    if (page == nullptr || !page->isVisible()) return "nothing";
    const QUrl source = page->source();
    return (source.fileName() + (source.hasFragment() ? "#" + source.fragment() : ""))
        .toStdString();
}

// Whether a heading of that text is in the viewer's view.
bool InView(const QTextBrowser* page, const QString& heading) {
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == heading)
            return page->viewport()->rect().contains(page->cursorRect(QTextCursor(block)).center());
    }
    return false;
}

TEST_F(Commands, AboutOpensModallyShowsTheVersionAndShowsItsLinksRenderedOnTheLeftButtonOrKeys) {
    std::vector<std::string> shown;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        WhenModalAppears<frmAbout>([&](frmAbout* about) {
            EXPECT_EQ(about->parentWidget(), window.get());
            EXPECT_EQ(about->findChild<QLabel*>("lblTitle")->text().toStdString(),
                      tunewrap::VersionTitle());
            for (const char* name : {"lblEmail", "lblHomePage", "lblAddingBMUs"}) {
                QLabel* link = about->findChild<QLabel*>(name);
                EXPECT_TRUE(about->rect().contains(link->geometry()));
                for (auto button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
                    QTest::mouseClick(link, button);
                    shown.push_back(Showing(about));
                }
                EXPECT_EQ(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
            }
            for (const auto& [name, opens] : {std::pair{"lblEmail", Qt::Key_Return},
                                              {"lblHomePage", Qt::Key_Space},
                                              {"lblAddingBMUs", Qt::Key_Enter}}) {
                QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
                EXPECT_EQ(about->focusWidget(), about->findChild<QLabel*>(name));
                QTest::keyClick(about->focusWidget(), opens);
                shown.push_back(Showing(about));
                // The e-mail address never delivered: it leads to how to report a problem.
                const auto* page = about->findChild<QTextBrowser*>("rtfDocument");
                if (page != nullptr && opens != Qt::Key_Enter) {
                    EXPECT_EQ(InView(page, "Reporting problems"), opens == Qt::Key_Return);
                    EXPECT_EQ(InView(page, "Tunewrap"), opens == Qt::Key_Space);
                }
            }
            QTest::keyClick(about, key);
            EXPECT_FALSE(about->isVisible()) << key;
            about->reject();
        });
        window->cmdInfo->click();
    }
    const std::string email = "README.md#reporting-problems", home = "README.md",
                      adding = "adding-bmus.md";
    const std::vector<std::string> round = {"nothing", "nothing", email,  email, email, home,
                                            home,      home,      adding, email, home,  adding};
    std::vector<std::string> expected = round;
    expected.insert(expected.end(), round.begin(), round.end());
    EXPECT_EQ(shown, expected);
}

TEST_F(Commands, TheDocumentViewerNamesAMissingDocumentInsteadOfAnEmptyPage) {
    frmDocument viewer(window.get());
    viewer.ShowShipped("docs/no-such-guide.md#section");
    EXPECT_TRUE(viewer.findChild<QTextBrowser*>("rtfDocument")
                    ->toPlainText()
                    .contains("docs/no-such-guide.md could not be found"));
}

}  // namespace
