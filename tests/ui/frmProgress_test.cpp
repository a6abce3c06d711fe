#include "frmProgress.h"

#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "UiTestApp.h"

namespace {

const QRgb kFace = qRgb(192, 192, 192), kDark = qRgb(63, 63, 192);

// Pixels of the bar that belong to the digits rather than to the face or the filled box.
QImage GlyphMask(const QImage& bar) {
    QImage mask(bar.size(), QImage::Format_Mono);
    for (int y = 0; y < bar.height(); ++y)
        for (int x = 0; x < bar.width(); ++x) {
            const QRgb px = bar.pixel(x, y);
            mask.setPixel(x, y, px != kFace && px != kDark);
        }
    return mask;
}

// The text as it must appear: bold, centred, with integer halving of the spare room.
QImage ExpectedGlyphs(const QString& text, QSize size, QFont font) {
    QImage bar(size, QImage::Format_RGB32);
    bar.fill(kFace);
    font.setBold(true);
    QPainter painter(&bar);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 255));
    const QFontMetrics m(font);
    painter.drawText((size.width() - m.horizontalAdvance(text)) / 2,
                     (size.height() - m.height()) / 2 + m.ascent(), text);
    return GlyphMask(bar);
}

class ProgressDialog : public UiTest {
  protected:
    void SetUp() override {
        QPalette classic = saved;
        classic.setColor(QPalette::Button, QColor(kFace));
        QApplication::setPalette(classic);
        dialog = new frmProgress(values, &owner);
        dialog->show();
    }
    void TearDown() override { QApplication::setPalette(saved); }
    void Tick() { QMetaObject::invokeMethod(dialog->findChild<QTimer*>("tmrTimer"), "timeout"); }
    QPushButton* Cancel() { return dialog->findChild<QPushButton*>("cmdCancel"); }
    void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ProgressValues values{"03 - Gone Away.mp3", 163840, 4096, false};
    QWidget owner;
    const QPalette saved = QApplication::palette();
    QPointer<frmProgress> dialog;
};

TEST_F(ProgressDialog, OpensAsToolWindowWithNameAndFittingCaptions) {
    EXPECT_EQ(dialog->windowTitle(), "Converting...");
    EXPECT_EQ(dialog->findChild<QLabel*>("lblFileName")->text(), "03 - Gone Away.mp3");
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->findChild<QTimer*>("tmrTimer")->interval(), 50);
    EXPECT_EQ(Cancel()->geometry().center().x(), dialog->rect().center().x());
    // "Canceling" must fit the button once pressed, "100%" the bar's height.
    Cancel()->setText("Canceling");
    const int margin = Cancel()->style()->pixelMetric(QStyle::PM_ButtonMargin);
    EXPECT_LE(Cancel()->fontMetrics().horizontalAdvance("Canceling") + 2 * margin,
              Cancel()->width());
    QFont bold = dialog->findChild<QLabel*>("picProgress")->font();
    bold.setBold(true);
    EXPECT_LE(QFontMetrics(bold).height(), dialog->BarImage().height());
}

TEST_F(ProgressDialog, BarShowsRoundedPercentageAndNotXorFill) {
    const struct {
        std::int64_t done;
        QString text;
    } cases[] = {{0, "0%"}, {4096, "2%"}, {12288, "8%"}, {81920, "50%"}, {163840, "100%"}};
    QFont font = dialog->findChild<QLabel*>("picProgress")->font();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        values.done = c.done;
        Tick();
        const QImage bar = dialog->BarImage();
        const int edge = qRound(double(c.done) * bar.width() / values.total);
        if (edge > 0) {
            EXPECT_EQ(bar.pixel(edge - 1, 0), kDark);
        }
        if (edge < bar.width()) {
            EXPECT_EQ(bar.pixel(edge, 0), kFace);
        }
        EXPECT_EQ(GlyphMask(bar), ExpectedGlyphs(c.text, bar.size(), font));
        // Digits read white inside the box and blue outside it.
        int misplaced = 0;
        for (int y = 0; y < bar.height(); ++y)
            for (int x = 0; x < bar.width(); ++x) {
                const QRgb px = bar.pixel(x, y);
                const bool white = px == qRgb(255, 255, 255);
                if ((white || px == qRgb(0, 0, 255)) && white != (x < edge)) ++misplaced;
            }
        EXPECT_EQ(misplaced, 0);
    }
}

TEST_F(ProgressDialog, CancelEscapeAndWindowCloseAllSetTheFlagAndClose) {
    const std::function<void()> ways[] = {[&] { Cancel()->click(); },
                                          [&] {
                                              QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape,
                                                               Qt::NoModifier);
                                              QCoreApplication::sendEvent(dialog, &escape);
                                          },
                                          [&] { dialog->close(); }};
    for (const auto& way : ways) {
        values.cancel = false;
        dialog = new frmProgress(values, &owner);
        dialog->show();
        QPushButton* cancel = Cancel();
        way();
        EXPECT_TRUE(values.cancel);
        EXPECT_EQ(cancel->text(), "Canceling");
        EXPECT_FALSE(cancel->isEnabled());
        EXPECT_FALSE(dialog->isVisible());
        FlushDeletes();
        EXPECT_TRUE(dialog.isNull());
    }
}

TEST_F(ProgressDialog, UnloadClosesWithoutCancelling) {
    dialog->Unload();
    FlushDeletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_FALSE(values.cancel);
}

}  // namespace
