#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include "ConvertFile.h"
#include "ProgressDialogSink.h"
#include "UiTestApp.h"

namespace {

class ConvertThroughDialog : public UiTest {
  protected:
    void SetUp() override {
        QFile mp3(dir.filePath("Long Song.mp3"));
        ASSERT_TRUE(mp3.open(QIODevice::WriteOnly));
        ASSERT_TRUE(mp3.write(QByteArray(8 << 20, 'x')) == 8 << 20);
    }
    tunewrap::ConvertResult Convert() {
        return tunewrap::ConvertFileToBMU(dir.filePath("Long Song.mp3").toStdString(),
                                          dir.filePath("Long Song.bmu").toStdString(),
                                          "Long Song.mp3", false, sink, stopwatch);
    }
    QTemporaryDir dir;
    QWidget owner;
    ProgressDialogSink sink{&owner};
    SystemTimer stopwatch;
};

TEST_F(ConvertThroughDialog, CancelDuringTheCopyLeavesNoDestination) {
    // Runs at the copy's first yield (the dialog is open by then), as a click or a closing
    // window would.
    const std::function<void()> cancels[] = {
        [&] { sink.Dialog()->findChild<QPushButton*>("cmdCancel")->click(); },
        [&] { sink.RequestCancel(); }};
    for (const auto& cancel : cancels) {
        sink.ClearCancel();
        QTimer::singleShot(0, &owner, cancel);
        EXPECT_EQ(Convert().status, tunewrap::ConvertResult::Status::Cancelled);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Long Song.mp3"});
        EXPECT_EQ(sink.Dialog(), nullptr);
    }
}

}  // namespace
