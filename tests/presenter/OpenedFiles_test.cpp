#include "OpenedFiles.h"

#include "PresenterFixture.h"

namespace {

// Downloads holds MP3 files, BMU files and things the window has no use for.
class Opened : public Presenter {
  protected:
    void SetUp() override {
        Presenter::SetUp();
        WriteFile(Path("Downloads/song.mp3"), Sample("cbr128_joint.mp3"));
        WriteFile(Path("Downloads/zap.mp3"), Sample("cbr96_mono.mp3"));  // warned about
        WriteFile(Path("Downloads/x.bmu"), "BMU V1.0x");
        WriteFile(Path("Downloads/fx.wav"), "BMU V1.0fx");
        WriteFile(Path("Downloads/real.wav"), "RIFF");
        WriteFile(Path("Downloads/notes.txt"), "");
        WriteFile(Path("Game/music/song.bmu"), "old");
        Open();
    }
    PaneDrop Drop(ListId pane, const Names& relative) const {
        Names paths;
        for (const std::string& path : relative) paths.push_back(Path(path));
        return ReadPaneDrop(pane, paths);
    }
};

TEST_F(Opened, AFolderIsListedMp3sAreWrappedBmusUnwrappedAndAnythingElseIsRefusedWhole) {
    const std::string song = "Downloads/song.mp3", bmu = "Downloads/x.bmu";
    const Names notes = {"Downloads/notes.txt"}, gone = {"Downloads/gone.mp3"};
    for (const Names& paths :
         {notes, {song, notes[0]}, {song, "Downloads"}, {song, bmu}, gone, {bmu}})
        EXPECT_EQ(Drop(BMU, paths).kind, PaneDrop::Kind::Refused) << paths.back();
    for (const Names& paths : {Names{song}, {"Downloads/real.wav"}, {"Downloads", "Game"}, {}})
        EXPECT_EQ(Drop(MP3, paths).kind, PaneDrop::Kind::Refused) << paths.size();
    const PaneDrop folder = Drop(MP3, {"Downloads/"});
    EXPECT_EQ(folder.kind, PaneDrop::Kind::ListFolder);
    EXPECT_EQ(folder.folder, Path("Downloads"));

    // As the convert button does, from where the files are: questions, the copy, the refill.
    view.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
    presenter->Dropped(BMU, Drop(BMU, {song, "Downloads/zap.mp3"}));
    ASSERT_EQ(view.asked.size(), 2u);
    EXPECT_TRUE(view.asked[0].starts_with("File Exists: ") && view.asked[1].starts_with("Warning"));
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + Sample("cbr128_joint.mp3"));
    EXPECT_EQ(view.Listed(BMU), (Names{"song.bmu", "zap.bmu"}));
    EXPECT_TRUE(presenter->TakesDrops());
    view.Select(BMU, {"zap.bmu"});  // not the batch's: its button comes back on
    presenter->Dropped(MP3, Drop(MP3, {bmu, "Downloads/fx.wav"}));
    EXPECT_EQ(ReadFile(Path("Music/x.mp3")) + ReadFile(Path("Music/fx.mp3")), "xfx");
    EXPECT_EQ(view.Listed(MP3, true), (Names{"fx.mp3", "x.mp3"}));  // all new, so selected
    EXPECT_TRUE(view.On(Control::ConvertToMP3) && view.On(Control::ConvertToBMU));

    // A folder is listed in the pane it is dropped on, as browsing to it would.
    presenter->Dropped(BMU, Drop(BMU, {"Downloads"}));
    EXPECT_EQ(view.boxes[1], Path("Downloads"));
    EXPECT_EQ(view.Listed(BMU),
              (Names{"fx.wav", "real.wav", "x.bmu"}));  // the view drops wave audio
    EXPECT_FALSE(view.On(Control::ConvertToMP3));
}

TEST_F(Opened, CommandLineFilesOpenTheirFolderSelectedAndFoldersFillTheFreePanes) {
    WriteFile(Path("Music/a.mp3"), "");
    WriteFile(Path("Music/b.MP3"), "");
    WriteFile(Path("Game/music/y.wav"), "BMU V1.0");
    // Each case's folders and selected files, or its error, with the scratch root left out.
    const std::pair<Names, std::string> cases[] = {
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
        Names paths;
        for (const std::string& path : relative) paths.push_back(Path(path));
        const WindowArguments parsed = ParseWindowArguments(paths);
        std::string text = parsed.folders[0] + "," + parsed.folders[1] + "|";
        for (const std::string& name : parsed.selected[0]) text += name + " ";
        text += ",";
        for (const std::string& name : parsed.selected[1]) text += name + " ";
        if (!parsed.error.empty()) text = parsed.error;
        for (std::size_t at; (at = text.find(Path(""))) != std::string::npos;)
            text.erase(at, Path("").size());
        std::replace(text.begin(), text.end(), '\\', '/');  // Windows writes its own separator
        EXPECT_EQ(text, expected);
    }
    presenter->OpenWith(ParseWindowArguments({Path("Downloads/x.bmu"), Path("Music/b.MP3")}));
    EXPECT_EQ(view.boxes, (std::array{Path("Music"), Path("Downloads")}));
    EXPECT_EQ(view.Listed(MP3, true), Names{"b.MP3"});
    EXPECT_EQ(view.Listed(BMU, true), Names{"x.bmu"});
    EXPECT_EQ(view.log, (Names{"scroll 2 of 0", "scroll 3 of 1"}));
    EXPECT_TRUE(view.On(Control::ConvertToBMU) && view.On(Control::ConvertToMP3));
}

}  // namespace
