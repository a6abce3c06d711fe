#include "MainWindowFixture.h"
#include "TwipsLayout.h"

namespace {

using Layout = MainWindowTest;

TEST_F(Layout, EveryCaptionFitsItsControlWithTheDefaultAndALargeFont) {
    const QFont original = QApplication::font();
    for (int points : {0, 14}) {
        QFont font = original;
        if (points > 0) font.setPointSize(points);
        QApplication::setFont(font);
        auto window = Open();
        for (const PlacedControl& placed : window->Layout()) {
            EXPECT_TRUE(CaptionFits(placed.widget))
                << placed.widget->objectName().toStdString() << " at " << points << " pt";
            EXPECT_TRUE(window->rect().contains(placed.widget->geometry()));
        }
        // The date/time caption wraps onto exactly two lines.
        const QSize caption = window->chkPreserveFileDateTime->CaptionSize(
            window->chkPreserveFileDateTime->CaptionRect().width());
        const QFontMetrics metrics = window->chkPreserveFileDateTime->fontMetrics();
        const QRect twoLines = metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::TextWordWrap,
                                                    QStringLiteral("preserve file\ndate/time"));
        EXPECT_EQ(caption.height(), twoLines.height());
    }
    QApplication::setFont(original);
}

TEST_F(Layout, FocusMovesInTheDesignedOrderAndPicturesAreThere) {
    auto window = Open();
    EXPECT_EQ(window->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    EXPECT_FALSE(window->cmdBMURefresh->icon().isNull());
    const char* order[] = {"txtMP3Dir",
                           "cmdPromptForMP3Dir",
                           "cmdMP3Refresh",
                           "lvwMP3List",
                           "cmdConvertToBMU",
                           "txtBMUDir",
                           "cmdPromptForBMUDir",
                           "cmdBMURefresh",
                           "lvwBMUList",
                           "cmdConvertToMP3",
                           "cmdInfo",
                           "chkWAVExtension",
                           "chkPreserveFileDateTime",
                           "chkOverwriteAll"};
    QWidget* current = window->Control(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        do {
            current = current->nextInFocusChain();
        } while (!(current->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(current->objectName().toStdString(), order[i]);
    }
}

}  // namespace
