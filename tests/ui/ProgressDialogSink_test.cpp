#include "ProgressDialogSink.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "UiTestApp.h"

namespace {

std::int64_t fakeNow = 0;

class DialogSink : public UiTest {
  protected:
    QWidget owner;
    std::optional<ProgressDialogSink> sink{std::in_place, &owner, [] { return fakeNow; }};
};

TEST_F(DialogSink, EachOpeningStartsAfreshAndCancelHoldsUntilCleared) {
    sink->SetFileName("first.mp3");
    sink->SetTotal(1 << 20);
    sink->SetDone(1 << 20);
    sink->ShowDialog();
    QPointer<frmProgress> first = sink->Dialog();
    const QImage emptyBar = first->BarImage();
    Tick(first);
    ASSERT_NE(first->BarImage(), emptyBar);
    sink->SetFileName("second.mp3");
    sink->ShowDialog();
    FlushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(sink->Dialog()->findChild<QLabel*>("lblFileName")->text(), "second.mp3");
    EXPECT_EQ(sink->Dialog()->BarImage(), emptyBar);  // 0 bytes until the first tick
    sink->Dialog()->findChild<QPushButton*>("cmdCancel")->click();
    sink->CloseDialog();  // already closed by Cancel: nothing happens
    EXPECT_TRUE(sink->CancelRequested());
    sink->ClearCancel();
    EXPECT_FALSE(sink->CancelRequested());
    sink->ShowDialog();
    QPointer<frmProgress> open = sink->Dialog();
    sink->RequestCancel();
    EXPECT_TRUE(sink->CancelRequested() && !open->isVisible());
    sink->ShowDialog();
    open = sink->Dialog();
    sink.reset();  // the dialog reads the sink's values: it must go with it
    EXPECT_TRUE(open.isNull());
}

TEST_F(DialogSink, YieldHandlesEventsOnlyAfterTheIntervalOrANewDialog) {
    int handled = 0;
    const std::int64_t later = 1000 + ProgressDialogSink::kYieldIntervalMs;
    // (time, open a dialog first, events handled so far); a skipped event waits for the next.
    const std::tuple<std::int64_t, bool, int> steps[] = {
        {1000, false, 1}, {later - 1, false, 1}, {later, false, 3}, {later, true, 4}};
    for (const auto& [now, show, expected] : steps) {
        fakeNow = now;
        if (show) sink->ShowDialog();
        QMetaObject::invokeMethod(
            &owner, [&] { ++handled; }, Qt::QueuedConnection);
        sink->Yield();
        EXPECT_EQ(handled, expected) << now;
    }
}

}  // namespace
