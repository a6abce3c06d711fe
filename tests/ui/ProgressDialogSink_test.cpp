#include "ProgressDialogSink.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "UiTestApp.h"

namespace {

std::int64_t fakeNow = 0;

class DialogSink : public UiTest {
  protected:
    void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QWidget owner;
    ProgressDialogSink sink{&owner, [] { return fakeNow; }};
};

TEST_F(DialogSink, EachOpeningStartsAfreshWithItsFilesNameAndAnEmptyBar) {
    sink.SetFileName("first.mp3");
    sink.SetTotal(1 << 20);
    sink.SetDone(1 << 20);
    sink.ShowDialog();
    QPointer<frmProgress> first = sink.Dialog();
    ASSERT_TRUE(first && first->isVisible());
    const QImage emptyBar = first->BarImage();
    QMetaObject::invokeMethod(first->findChild<QTimer*>("tmrTimer"), "timeout");
    ASSERT_NE(first->BarImage(), emptyBar);
    sink.CloseDialog();
    sink.SetFileName("second.mp3");
    sink.ShowDialog();
    FlushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(sink.Dialog()->findChild<QLabel*>("lblFileName")->text(), "second.mp3");
    EXPECT_EQ(sink.Dialog()->BarImage(), emptyBar);  // drawn for 0 bytes until the first tick
    EXPECT_FALSE(sink.CancelRequested());
}

TEST_F(DialogSink, CancelFromTheDialogOrTheWindowSetsTheFlagUntilCleared) {
    sink.ShowDialog();
    sink.Dialog()->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_TRUE(sink.CancelRequested());
    sink.CloseDialog();  // already closed by Cancel: nothing happens
    sink.ClearCancel();
    EXPECT_FALSE(sink.CancelRequested());
    sink.ShowDialog();
    QPointer<frmProgress> open = sink.Dialog();
    sink.RequestCancel();
    EXPECT_TRUE(sink.CancelRequested());
    EXPECT_FALSE(open->isVisible());
}

TEST_F(DialogSink, YieldHandlesEventsOnlyAfterTheIntervalOrANewDialog) {
    int handled = 0;
    auto post = [&] {
        QMetaObject::invokeMethod(
            &owner, [&] { ++handled; }, Qt::QueuedConnection);
    };
    const struct {
        std::int64_t now;
        bool showFirst;
        int expected;
    } steps[] = {{1000, false, 1},
                 {1000 + ProgressDialogSink::kYieldIntervalMs - 1, false, 1},
                 {1000 + ProgressDialogSink::kYieldIntervalMs, false, 3},
                 {1000 + ProgressDialogSink::kYieldIntervalMs, true, 4}};
    for (const auto& step : steps) {
        fakeNow = step.now;
        if (step.showFirst) sink.ShowDialog();
        post();
        sink.Yield();
        EXPECT_EQ(handled, step.expected) << step.now;
    }
}

TEST(DialogSinkLifetime, DestroyingTheSinkTakesItsOpenDialogAlong) {
    UiTestApp();
    QWidget owner;
    QPointer<frmProgress> dialog;
    {
        ProgressDialogSink sink(&owner);
        sink.ShowDialog();
        dialog = sink.Dialog();
    }
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
