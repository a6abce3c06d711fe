#include <QDropEvent>
#include <QMimeData>

#include "MainWindowFixture.h"
#include "OpenedFiles.h"

namespace {

// Downloads holds MP3 files, BMU files and things the window has no use for.
class Drops : public TwoFolders {
  protected:
    void SetUp() override {
        TwoFolders::SetUp();
        WriteFile(Path("Downloads/song.mp3"), Sample("cbr128_joint.mp3"));
        WriteFile(Path("Downloads/zap.mp3"), Sample("cbr96_mono.mp3"));  // warned about
        WriteFile(Path("Downloads/x.bmu"), "BMU V1.0x");
        WriteFile(Path("Downloads/fx.wav"), "BMU V1.0fx");
        WriteFile(Path("Downloads/real.wav"), "RIFF");
        WriteFile(Path("Downloads/notes.txt"), "");
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
            urls.append(path.starts_with('/') ? QUrl::fromLocalFile(text) : QUrl(text));
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
    std::string Shown() const {
        return window->txtMP3Dir->text().toStdString() + "|" +
               window->txtBMUDir->text().toStdString();
    }
    std::unique_ptr<Window> window;
};

TEST_F(Drops, AFolderIsListedMp3sAreWrappedBmusUnwrappedAndAnythingElseIsRefusedWhole) {
    const std::string songs = Path("Downloads/song.mp3"), bmu = Path("Downloads/x.bmu");
    QWidget* const mp3Pane = window->lvwMP3List->viewport();
    QWidget* const bmuPane = window->txtBMUDir;
    const struct {
        QWidget* pane;
        Strings paths;
        Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    } refused[] = {
        {bmuPane, {Path("Downloads/notes.txt")}},
        {bmuPane, {songs, Path("Downloads/notes.txt")}},
        {bmuPane, {songs, Path("Downloads")}},
        {bmuPane, {songs, bmu}},
        {bmuPane, {Path("Downloads/gone.mp3")}},
        {bmuPane, {"https://example.com/song.mp3"}},
        {bmuPane, {songs}, Qt::MoveAction},  // the file manager would remove what it dragged
        {bmuPane, {bmu}},
        {mp3Pane, {songs}},
        {mp3Pane, {Path("Downloads/real.wav")}},
        {mp3Pane, {Path("Downloads"), Path("Game")}},
    };
    const std::string shown = Shown();
    Script(*window);  // a refused drop asks nothing
    for (const auto& c : refused) {
        EXPECT_FALSE(DragAndDrop(c.pane, c.paths, c.offered)) << c.paths.front();
    }
    EXPECT_EQ(Shown(), shown);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(Listing("Music").empty());
    EXPECT_EQ(Listing("Game/music"), std::set<std::string>{"song.bmu"});

    // As the convert button does, from where the files are: questions, the copy, the refill.
    bool takenMidBatch = false;
    window->SetAskYesNoHook([&](const std::string& text, const std::string& title, auto, auto) {
        questions.push_back(title + ": " + text.substr(0, text.find('\r')));
        takenMidBatch = takenMidBatch || DragAndDrop(mp3Pane, {Path("Downloads")});
        return MsgButton::Yes;
    });
    ASSERT_TRUE(DragAndDrop(window->lvwBMUList->viewport(), {songs, Path("Downloads/zap.mp3")}));
    EXPECT_EQ(questions, (Strings{"File Exists: song.bmu already exists. Do you want to "
                                  "overwrite it?",
                                  "Warning: Warning! 'zap.mp3'"}));
    EXPECT_FALSE(takenMidBatch);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + Sample("cbr128_joint.mp3"));
    EXPECT_EQ(Names(*window->lvwBMUList), (Strings{"song.bmu", "zap.bmu"}));
    EXPECT_TRUE(window->cmdInfo->isEnabled() && window->chkWAVExtension->isEnabled());
    Select(*window->lvwBMUList, {"zap.bmu"});  // not the batch's: its button comes back on
    EXPECT_TRUE(
        DragAndDrop(window->findChild<QWidget*>("cmdMP3Refresh"), {bmu, Path("Downloads/fx.wav")}));
    EXPECT_EQ(ReadFile(Path("Music/x.mp3")) + ReadFile(Path("Music/fx.mp3")), "xfx");
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"fx.mp3", "x.mp3"}));
    EXPECT_TRUE(window->cmdConvertToMP3->isEnabled());

    // A folder is listed in the pane it is dropped on, as browsing to it would.
    EXPECT_TRUE(DragAndDrop(window->findChild<QWidget*>("lblMP3"), {Path("Downloads") + "/"}));
    EXPECT_TRUE(DragAndDrop(window->lvwBMUList, {Path("Downloads")}));
    EXPECT_EQ(Shown(), Path("Downloads") + "|" + Path("Downloads"));
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"song.mp3", "zap.mp3"}));
    EXPECT_EQ(Names(*window->lvwBMUList), (Strings{"fx.wav", "x.bmu"}));
}

TEST_F(Drops, CommandLineFilesOpenTheirFolderSelectedAndFoldersFillTheFreePanes) {
    WriteFile(Path("Music/a.mp3"), "");
    WriteFile(Path("Music/b.MP3"), "");
    WriteFile(Path("Game/music/y.wav"), "BMU V1.0");
    // Each case's folders and selected files, or its error, with the scratch root left out.
    const std::pair<Strings, std::string> cases[] = {
        {{"Music/./", "Game/music/"}, "Music,Game/music|,"},
        {{"Game/music", "Music/a.mp3", "Music/b.MP3", "Game/music/y.wav"},
         "Music,Game/music|a.mp3 b.MP3 ,y.wav "},
        {{"Game/music", "Music/a.mp3"}, "Music,Game/music|a.mp3 ,"},
        {{"Music", "Game/music", "Downloads"}, "Downloads: both panes already have a folder"},
        {{"Music/a.mp3", "Downloads/song.mp3"},
         "Downloads/song.mp3: not in Music, the folder of the files before it of its kind"},
        {{"Downloads/real.wav"}, "Downloads/real.wav: neither an MP3 nor a BMU file"},
        {{"Downloads/gone.mp3"}, "Downloads/gone.mp3: No such file or directory"},
    };
    for (const auto& [relative, expected] : cases) {
        Strings paths;
        for (const std::string& path : relative) paths.push_back(Path(path));
        const WindowArguments parsed = ParseWindowArguments(paths);
        std::string text = parsed.folders[0] + "," + parsed.folders[1] + "|";
        for (const std::string& name : parsed.selected[0]) text += name + " ";
        text += ",";
        for (const std::string& name : parsed.selected[1]) text += name + " ";
        if (!parsed.error.empty()) text = parsed.error;
        EXPECT_EQ(QString::fromStdString(text).remove(Path("").c_str()).toStdString(), expected);
    }
    window->OpenWith(ParseWindowArguments({Path("Downloads/x.bmu"), Path("Music/b.MP3")}));
    EXPECT_EQ(Shown(), Path("Music") + "|" + Path("Downloads"));
    EXPECT_EQ(Names(*window->lvwMP3List, true), Strings{"b.MP3"});
    EXPECT_EQ(Names(*window->lvwBMUList, true), Strings{"x.bmu"});
    EXPECT_TRUE(window->cmdConvertToBMU->isEnabled() && window->cmdConvertToMP3->isEnabled());
}

}  // namespace
