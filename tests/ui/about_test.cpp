#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AboutLinks.h"
#include "MainWindowFixture.h"

namespace {

using About = MainWindowTest;

TEST_F(About, ShowsTheVersionAndOpensLinksOnTheLeftButtonOnly) {
    std::vector<QUrl> opened;
    frmAbout::SetLinkOpenerForTesting([&](const QUrl& url) { opened.push_back(url); });
    frmAbout about(nullptr);
    about.show();
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.lblTitle->text(), "Tunewrap - v0.35");
    for (QLabel* link : {about.lblEmail, about.lblHomePage, about.lblAddingBMUs}) {
        EXPECT_TRUE(about.rect().contains(link->geometry()));
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::MiddleButton);
    }
    EXPECT_TRUE(opened.empty());

    QTest::mouseClick(about.lblEmail, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), QString("mailto:") + aboutlinks::kEmail + "?subject=Tunewrap");
    // The document links open the files shipped with the program.
    for (QLabel* link : {about.lblHomePage, about.lblAddingBMUs}) {
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_TRUE(opened.back().toLocalFile().endsWith(link->text()));
        EXPECT_TRUE(QFileInfo(opened.back().toLocalFile()).isFile());
    }
    EXPECT_EQ(opened.size(), 3u);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        about.show();
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

}  // namespace
