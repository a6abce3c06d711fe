#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

#include "MainWindowFixture.h"
#include "Version.h"
#include "frmDocument.h"
#include "frmProperties.h"

namespace {

// Music holds a.mp3 and b.mp3; Game/music x.bmu and a BMU file named y.wav.
class Commands : public TwoFolders {
  protected:
    void SetUp() override {
        TwoFolders::SetUp();
        for (const char* file : {"Music/a.mp3", "Music/b.mp3", "Game/music/x.bmu"})
            WriteFile(Path(file), "x");
        WriteFile(Path("Game/music/y.wav"), "BMU V1.0");
        window = Open();
    }
    std::unique_ptr<Window> window;
};

TEST_F(Commands, RightClickKeepsTheSelectionAndPropertiesAskTheFileManagerFirst) {
    window->show();
    FileListView& list = *window->lvwBMUList;
    for (const Strings& selected : {Strings{"x.bmu"}, Strings{"x.bmu", "y.wav"}}) {
        Select(list, selected);
        // On a selected row a right click keeps the selection.
        QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier,
                          list.visualItemRect(list.topLevelItem(0)).center());
        EXPECT_EQ(window->MenuList(), tunewrap::ListId::BMU);
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
        QTest::keyClick(&mp3s, key.key(), key.keyboardModifiers());
        EXPECT_EQ(window->MenuList(), tunewrap::ListId::MP3);
        EXPECT_TRUE(window->mnuPopup->isVisible());
        EXPECT_EQ(window->mnuPopup->pos().y(), row.y());
        window->mnuPopup->hide();
    }
}

// The Delete key asks and trashes on its own list; Enter lists the folder typed in a box.
TEST_F(Commands, DeleteKeyTrashesAndEnterListsTheTypedFolder) {
    Script(*window, {MsgButton::Yes});
    Select(*window->lvwBMUList, {"x.bmu"});
    QTest::keyClick(window->lvwBMUList, Qt::Key_Delete);
#ifndef _WIN32  // Windows' Recycle Bin has its own test
    EXPECT_EQ(Listing("home/.local/share/Trash/files"), std::set<std::string>{"x.bmu"});
#endif
    EXPECT_FALSE(std::filesystem::exists(Path("Game/music/x.bmu")));
    WriteFile(Path("other/o.mp3"), "o");
    window->txtMP3Dir->clear();
    QTest::keyClicks(window->txtMP3Dir, QString::fromStdString(Path("other")));
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"a.mp3", "b.mp3"}));
    QTest::keyClick(window->txtMP3Dir, Qt::Key_Return);
    EXPECT_EQ(Names(*window->lvwMP3List), Strings{"o.mp3"});
}

// Return and Enter press the focused button as Space does; Alt and a caption's underlined letter
// press its control.
TEST_F(Commands, KeysPressTheFocusedButtonAndAltLettersTheirControls) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* refresh = window->findChild<QPushButton*>("cmdMP3Refresh");
    refresh->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        const std::string name = "key" + std::to_string(key) + ".mp3";
        WriteFile(Path("Music/" + name), "x");
        QTest::keyClick(refresh, key);
        EXPECT_EQ(Names(*window->lvwMP3List).back(), name);
    }
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToMP3->setEnabled(true);
    const std::pair<Qt::Key, QAbstractButton*> letters[] = {
        {Qt::Key_B, window->cmdConvertToBMU},
        {Qt::Key_M, window->cmdConvertToMP3},
        {Qt::Key_W, window->chkWAVExtension},
        {Qt::Key_O, window->chkOverwriteAll},
        {Qt::Key_P, window->chkPreserveFileDateTime},
        {Qt::Key_R, window->chkReencodeUnsuitable},
        {Qt::Key_G, window->OptionBox(tunewrap::OptionId::GameNames)}};
    for (const auto& [letter, control] : letters) {
        QTest::keyClick(window.get(), letter, Qt::AltModifier);
        // A build without re-encoding greys its box, and a greyed box takes no key.
        EXPECT_TRUE(control->isDown() || !control->isEnabled())
            << control->objectName().toStdString();
    }
}

// The picker is asked from the pane's box; a folder ending in a separator lists the same.
TEST_F(Commands, BrowseListsTheChosenFolder) {
    std::string asked;
    mdlBrowseForFolder::SetAnswererForTesting([&](const auto& title, const auto& at) {
        asked = title + "|" + at;
        return Path("Music") + "/";
    });
    window->txtMP3Dir->setText("/elsewhere");
    window->cmdPromptForMP3Dir_Click();
    EXPECT_EQ(asked, "Select your MP3 directory|/elsewhere");
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"a.mp3", "b.mp3"}));
}

// The window shows the icon the desktop's menus show, at each size drawn for them.
TEST_F(Commands, WindowIconIsTheMenusIcon) {
    for (const int size : {16, 32, 256}) {
        const QString menus =
            QStringLiteral(TUNEWRAP_ICONS_DIR "/%1x%1/org.brenlo.Tunewrap.png").arg(size);
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

// Links open on a left click, and on Enter or Space once Tab has reached them.
TEST_F(Commands, AboutOpensModallyShowsTheVersionAndShowsItsLinksRenderedOnTheLeftButtonOrKeys) {
    const std::string email = "README.md#reporting-problems", home = "README.md",
                      adding = "adding-bmus.md";
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        std::vector<std::string> shown;
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
        EXPECT_EQ(shown, (std::vector<std::string>{"nothing", "nothing", email, email, email, home,
                                                   home, home, adding, email, home, adding}));
    }
}

TEST_F(Commands, TheDocumentViewerNamesAMissingDocumentInsteadOfAnEmptyPage) {
    frmDocument viewer(window.get());
    viewer.ShowShipped("docs/no-such-guide.md#section");
    EXPECT_TRUE(viewer.findChild<QTextBrowser*>("rtfDocument")
                    ->toPlainText()
                    .contains("docs/no-such-guide.md could not be found"));
}

}  // namespace
