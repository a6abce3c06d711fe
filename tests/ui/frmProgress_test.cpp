#include "frmProgress.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "Contrast.h"
#include "ConvertFile.h"
#include "DarkPalette.h"
#include "MainWindowFixture.h"
#include "ProgressDialogSink.h"

namespace {

const QRgb kFace = qRgb(192, 192, 192), kDark = qRgb(63, 63, 192);
const QRgb kBlue = qRgb(0, 0, 255), kWhite = qRgb(255, 255, 255);

class ProgressDialog : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open();
    }
    void Open() {
        dialog = new frmProgress(values, &owner);
        dialog->show();
    }

    ProgressValues values{"03 - Gone Away.mp3", 163840, 4096, false, {}};
    QWidget owner;
    QPointer<frmProgress> dialog;
};

TEST_F(ProgressDialog, FixedToolWindowWithCaptionsThatFitAndABarOfHalfEvenPercentages) {
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    QPushButton* cancel = dialog->findChild<QPushButton*>("cmdCancel");
    EXPECT_EQ(cancel->geometry().center().x(), dialog->rect().center().x());
    const int margin = cancel->style()->pixelMetric(QStyle::PM_ButtonMargin);
    EXPECT_LE(cancel->fontMetrics().horizontalAdvance("Canceling") + 2 * margin, cancel->width());
    QPalette classic = dialog->palette();
    classic.setColor(QPalette::Button, QColor(kFace));
    dialog->setPalette(classic);
    const std::pair<std::int64_t, QString> cases[] = {
        {0, "0%"}, {4096, "2%"}, {12288, "8%"}, {81920, "50%"}, {163840, "100%"}};
    for (const auto& [done, text] : cases) {
        SCOPED_TRACE(text.toStdString());
        values.done = done;
        Tick(dialog);
        QAccessibleInterface* reader =
            QAccessible::queryAccessibleInterface(dialog->findChild<QLabel*>("picProgress"));
        EXPECT_EQ(reader->role(), QAccessible::ProgressBar);
        EXPECT_EQ(reader->text(QAccessible::Name), "Progress");
        EXPECT_EQ(reader->text(QAccessible::Value), text);
        EXPECT_EQ(reader->valueInterface()->currentValue().toString() + '%', text);
        const QImage bar = dialog->BarImage();
        const int edge = qRound(double(done) * bar.width() / values.total);
        EXPECT_EQ(bar.pixel(std::max(edge - 1, 0), 0), edge > 0 ? kDark : kFace);
        EXPECT_EQ(bar.pixel(std::min(edge, bar.width() - 1), 0),
                  edge < bar.width() ? kFace : kDark);
        // Digits are white inside the box and blue outside it, and centred.
        int misplaced = 0, left = bar.width(), right = 0;
        for (int y = 0; y < bar.height(); ++y)
            for (int x = 0; x < bar.width(); ++x)
                if (const QRgb px = bar.pixel(x, y); px != kFace && px != kDark) {
                    const bool pure = px == kWhite || px == kBlue;
                    misplaced += pure && (px == kWhite) != (x < edge);
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_EQ(misplaced, 0);
        EXPECT_NEAR(left, bar.width() - 1 - right, 2);
    }
}

// In a batch of several files the dialog grows by the file's number and a bar for the whole
// batch, which the file's progress moves by its share; a single file's dialog stays as it was.
TEST_F(ProgressDialog, ABatchOfSeveralFilesAddsTheFileNumberAndTheBatchsBar) {
    const QSize single = dialog->size();
    EXPECT_EQ(dialog->findChild<QLabel*>("lblBatch"), nullptr);
    values.batch = {
        .file = 2, .files = 6, .bytesBefore = 40000, .fileBytes = 163840, .batchBytes = 400000};
    Open();
    EXPECT_EQ(dialog->findChild<QLabel*>("lblBatch")->text(), "File 2 of 6");
    EXPECT_EQ(dialog->width(), single.width());
    EXPECT_GT(dialog->height(), single.height());
    QAccessibleInterface* batchBar =
        QAccessible::queryAccessibleInterface(dialog->findChild<QLabel*>("picBatchProgress"));
    EXPECT_EQ(batchBar->text(QAccessible::Name), "Batch progress");
    for (const auto& [done, percent] : {std::pair{0, "10%"}, {81920, "30%"}, {163840, "51%"}}) {
        values.done = done;
        Tick(dialog);
        EXPECT_EQ(batchBar->text(QAccessible::Value), percent);
    }
}

// Escape reaches the dialog from the keyboard: it takes the focus from the window it opens over.
TEST_F(ProgressDialog, CancelEscapeAndWindowCloseSetTheFlagAndCloseButUnloadDoesNot) {
    owner.show();
    const std::pair<std::function<void()>, bool> ways[] = {
        {[&] { dialog->findChild<QPushButton*>("cmdCancel")->click(); }, true},
        {[&] {
             ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
             ASSERT_EQ(QApplication::focusWidget(), dialog->findChild<QPushButton*>("cmdCancel"));
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
         },
         true},
        {[&] { dialog->close(); }, true},
        {[&] { dialog->Unload(); }, false}};
    for (const auto& [way, cancels] : ways) {
        values.cancel = false;
        Open();
        QPushButton* cancel = dialog->findChild<QPushButton*>("cmdCancel");
        way();
        EXPECT_EQ(values.cancel, cancels);
        EXPECT_EQ(cancel->text(), cancels ? "Canceling" : "Cancel");
        EXPECT_EQ(cancel->isEnabled(), !cancels);
        FlushDeletes();
        EXPECT_TRUE(dialog.isNull());
    }
}

TEST_F(ProgressDialog, CancelDuringTheCopyEndsItAndEachOpeningStartsAfresh) {
    auto sink = std::make_unique<ProgressDialogSink>(&owner);
    SystemTimer stopwatch;
    WriteFile(Path("Long Song.mp3"), std::string(8 << 20, 'x'));
    // Clicked at the copy's first yield, when the dialog is open.
    QTimer::singleShot(0, &owner,
                       [&] { sink->Dialog()->findChild<QPushButton*>("cmdCancel")->click(); });
    EXPECT_EQ(tunewrap::ConvertFileToBMU(Path("Long Song.mp3"), Path("Long Song.bmu"),
                                         "Long Song.mp3", false, *sink, stopwatch)
                  .status,
              tunewrap::ConvertResult::Status::Cancelled);
    EXPECT_EQ(sink->Dialog(), nullptr);
    EXPECT_TRUE(sink->CancelRequested());
    sink->ShowDialog();
    QPointer<frmProgress> first = sink->Dialog();
    sink->SetFileName("second.mp3");
    sink->ShowDialog();
    FlushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(sink->Dialog()->findChild<QLabel*>("lblFileName")->text(), "second.mp3");
    QPointer<frmProgress> open = sink->Dialog();
    sink.reset();  // the dialog reads the sink's values: it must go with it
    EXPECT_TRUE(open.isNull());
}

// On a dark and a light palette, switched while the windows are open, the About links, the
// bar's digits (on the face and, white, in the box) and the refresh arrows keep a readable
// contrast.
TEST_F(ProgressDialog, LinksAndBarDigitsStayReadableOnLightAndDarkPalettes) {
    auto readable = [](const QImage& image, const QRect& area, const QColor& background) {
        double best = 1;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                best = std::max(best, ContrastRatio(image.pixelColor(x, y), background));
        return best >= kReadableContrast;
    };
    frmAbout about(&owner);
    about.show();
    frmMain window;
    QWidget* refresh = window.findChild<QWidget*>("cmdMP3Refresh");
    values.done = values.total / 2;  // "50%" straddles the box's edge
    const QPalette light = QApplication::palette();
    for (const QPalette& palette : {DarkPalette(), light}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        const QImage shown = about.grab().toImage();
        for (const char* name : {"lblEmail", "lblHomePage", "lblAddingBMUs"}) {
            const QRect link = about.findChild<QLabel*>(name)->geometry();
            EXPECT_TRUE(readable(shown, link, palette.color(QPalette::Window))) << name;
        }
        EXPECT_TRUE(readable(refresh->grab().toImage(),
                             QRect(refresh->rect().center(), QSize(1, 1)).adjusted(-6, -6, 6, 6),
                             palette.color(QPalette::Button)));
        Tick(dialog);
        const QImage bar = dialog->BarImage();
        const QRect box(0, 0, bar.width() / 2, bar.height());  // the face starts a pixel on
        EXPECT_TRUE(readable(bar, box, bar.pixelColor(0, 0)));
        EXPECT_TRUE(readable(bar, box.translated(box.width() + 1, 0).intersected(bar.rect()),
                             bar.pixelColor(bar.rect().topRight())));
    }
}

}  // namespace
