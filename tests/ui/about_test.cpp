#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "AboutLinks.h"
#include "frmAbout.h"
#include "support/QtTestApp.h"

namespace {

class AboutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frmAbout::SetLinkOpenerForTesting([this](const QUrl& url) { opened.push_back(url); });
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    }
    void TearDown() override { frmAbout::SetLinkOpenerForTesting(nullptr); }

    frmAbout about{nullptr};
    std::vector<QUrl> opened;
};

TEST_F(AboutTest, ShowsCaptionVersionAndAuthor) {
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.lblTitle->text(), "Tunewrap - v0.35");
    EXPECT_EQ(about.lblBy->text(), aboutlinks::kAuthor);
    EXPECT_EQ(about.lblEmail->text(), aboutlinks::kEmail);
    EXPECT_TRUE(about.cmdOK->isDefault());
}

TEST_F(AboutTest, LeftClickOnTheEmailOpensANewMessageWithTheProgramAsSubject) {
    QTest::mouseClick(about.lblEmail, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), QString("mailto:") + aboutlinks::kEmail + "?subject=Tunewrap");
}

TEST_F(AboutTest, DocumentLinksOpenTheShippedFiles) {
    for (QLabel* link : {about.lblHomePage, about.lblAddingBMUs}) {
        opened.clear();
        QTest::mouseClick(link, Qt::LeftButton);
        ASSERT_EQ(opened.size(), 1u) << link->text().toStdString();
        EXPECT_TRUE(opened[0].isLocalFile());
        EXPECT_TRUE(opened[0].toLocalFile().endsWith(link->text()));
        EXPECT_TRUE(QFileInfo(opened[0].toLocalFile()).isFile());
    }
}

TEST_F(AboutTest, OtherButtonsOpenNothing) {
    for (QLabel* link : {about.lblEmail, about.lblHomePage, about.lblAddingBMUs}) {
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::MiddleButton);
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutTest, LinksAreBlueUnderlinedAndNoWiderThanTheirText) {
    for (QLabel* link : {about.lblEmail, about.lblHomePage, about.lblAddingBMUs}) {
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(link->size(), link->sizeHint());
        EXPECT_TRUE(about.rect().contains(link->geometry())) << link->text().toStdString();
    }
}

TEST_F(AboutTest, EnterAndEscapeClose) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout dialog(nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, key);
        EXPECT_FALSE(dialog.isVisible()) << key;
    }
}

}  // namespace
