#include <QAbstractButton>
#include <QLabel>

#include "MainWindowFixture.h"
#include "TwipsLayout.h"

namespace {

using Layout = MainWindowTest;

TEST_F(Layout, ControlsCarryTheirCaptionsTooltipsAndStates) {
    auto window = Open();
    const struct {
        const char* name;
        const char* caption;
        const char* tooltip;
        bool enabled;
    } controls[] = {
        {"lblMP3", "MP3 files (*.mp3) - source", "", true},
        {"cmdPromptForMP3Dir", "...", "Browse for directory", true},
        {"cmdMP3Refresh", "", "Refresh directory", true},
        {"cmdConvertToBMU", "To .BMU ->", "", false},
        {"chkWAVExtension", "rename .wav", "", true},
        {"lblWaveReason", "This is used to convert 96k/ mono MP3s for sound effects, VO, etc.", "",
         true},
        {"chkOverwriteAll", "overwrite all", "", true},
        {"cmdConvertToMP3", "<- To .MP3", "", false},
        {"chkPreserveFileDateTime", "preserve file date/time", "", true},
        {"cmdInfo", "About...", "", true},
        {"lblBMU", "BMU files (*.bmu, *.wav) files - destination", "", true},
        {"cmdPromptForBMUDir", "...", "Browse for directory", true},
        {"cmdBMURefresh", "", "Refresh directory", true},
    };
    for (const auto& c : controls) {
        QWidget* control = window->Control(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        EXPECT_EQ((button ? button->text() : label->text()).toStdString(), c.caption);
        EXPECT_EQ(control->toolTip().toStdString(), c.tooltip);
        EXPECT_EQ(control->isEnabled(), c.enabled) << c.name;
    }
    EXPECT_FALSE(window->cmdMP3Refresh->icon().isNull());
    EXPECT_FALSE(window->windowIcon().availableSizes().isEmpty());
    QStringList items;
    for (QAction* action : window->mnuPopup->actions()) items << action->text();
    EXPECT_EQ(items, (QStringList{"Delete", "Select All", "Properties"}));
    QStringList headers;
    for (int i = 0; i < 3; ++i) headers << window->lvwBMUList->headerItem()->text(i);
    EXPECT_EQ(headers, (QStringList{"Name", "Size", "Modified"}));
}

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

TEST_F(Layout, FocusMovesInTheDesignedOrder) {
    auto window = Open();
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
