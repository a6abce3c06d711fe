#include <QDropEvent>
#include <QMimeData>

#include "MainWindowFixture.h"

namespace {

// Downloads holds an MP3 file and a BMU file.
class Drops : public TwoFolders {
  protected:
    void SetUp() override {
        TwoFolders::SetUp();
        WriteFile(Path("Downloads/song.mp3"), Sample("cbr128_joint.mp3"));
        WriteFile(Path("Downloads/x.bmu"), "BMU V1.0x");
        WriteFile(Path("Game/music/song.bmu"), "old");
        window = Open();
    }
    // Drags the paths (or addresses) over the control and drops them; true when the pane showed
    // it would take them, checked again on the drop itself.
    static bool DragAndDrop(QWidget* control, const Strings& paths,
                            Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
        QList<QUrl> urls;
        for (const std::string& path : paths) {
            const QString text = QString::fromStdString(path);
            urls.append(path.find("://") == std::string::npos ? QUrl::fromLocalFile(text)
                                                              : QUrl(text));
        }
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter({1, 1}, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(1, 1), offered, &data, Qt::LeftButton, Qt::NoModifier);
        for (QDropEvent* event : {static_cast<QDropEvent*>(&enter), &drop}) {
            event->setAccepted(false);
            QCoreApplication::sendEvent(control, event);
        }
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(drop.isAccepted(), enter.isAccepted());
        EXPECT_TRUE(!enter.isAccepted() || enter.dropAction() == Qt::CopyAction);
        return enter.isAccepted();
    }
    std::unique_ptr<Window> window;
};

// Through the real event filters: what the file manager offers, the pointer's answer on entering,
// and the batch or listing the drop starts. Which drops are taken is the presenter's business.
TEST_F(Drops, TheirEventsAreTakenOnlyAsCopiesOfLocalFilesAndNotDuringABatch) {
    const std::string song = Path("Downloads/song.mp3");
    QWidget* const bmuPane = window->txtBMUDir;
    Script(*window);  // a refused drop asks nothing
    EXPECT_FALSE(DragAndDrop(bmuPane, {"https://example.com/song.mp3"}));
    EXPECT_FALSE(DragAndDrop(bmuPane, {song}, Qt::MoveAction));  // the file manager would remove it
    EXPECT_FALSE(DragAndDrop(window->lvwMP3List->viewport(), {song}));
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Listing("Game/music"), std::set<std::string>{"song.bmu"});

    bool takenMidBatch = false;
    window->SetAskYesNoHook([&](auto&&...) {
        takenMidBatch = takenMidBatch ||
                        DragAndDrop(window->findChild<QWidget*>("lblMP3"), {Path("Downloads")});
        return MsgButton::Yes;
    });
    ASSERT_TRUE(DragAndDrop(window->lvwBMUList->viewport(), {song}));
    EXPECT_FALSE(takenMidBatch);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + Sample("cbr128_joint.mp3"));
    EXPECT_TRUE(
        DragAndDrop(window->findChild<QWidget*>("cmdMP3Refresh"), {Path("Downloads/x.bmu")}));
    EXPECT_EQ(Names(*window->lvwMP3List), Strings{"x.mp3"});
    EXPECT_TRUE(DragAndDrop(window->findChild<QWidget*>("lblMP3"), {Path("Downloads") + "/"}));
    EXPECT_EQ(window->txtMP3Dir->text().toStdString(), Path("Downloads"));
}

}  // namespace
