#include "PresenterFixture.h"
#include "Reencode.h"

namespace {

// Unusable stored values give the defaults; a missing folder gives the home folder, stored at
// once, and a found game folder gives the destination, stored only at shut-down.
TEST_F(Presenter, StartUpFallsBackToDefaultsAndStoresTheDateOptionAtOnceAndOnEveryChange) {
    WriteFile(Path("Game/music/a.bmu"), "BMU V1.0");
    const std::string home = Path("home");
    const struct {
        const char *mp3Dir, *bmuDir, *location;
        std::string shownBmuDir, storedMp3Dir, storedBmuDir;
    } cases[] = {{nullptr, nullptr, nullptr, home, "<absent>", "<absent>"},  // first start
                 {"gone", "gone too", nullptr, home, home, home},
                 {"", nullptr, "no game here", home, home, home},
                 {"", nullptr, "Game", Path("Game/music"), home, "<absent>"}};
    for (const auto& c : cases) {
        settings = MemorySettings();
        if (c.mp3Dir) {
            // Hostile widths: no number, a huge one, a negative one, one just too wide.
            settings.program = {{"MP3FileColWidth", "wide"},    {"MP3SizeColWidth", "1e30"},
                                {"MP3DateColWidth", "-5"},      {"BMUFileColWidth", "100001"},
                                {"WaveExtention", "2"},         {"OverwriteAll", "yes"},
                                {"PreserveFileDateTime", "1.0"}};
            settings.program["MP3Dir"] = c.mp3Dir[0] ? Path(c.mp3Dir) : "";
        }
        if (c.bmuDir) settings.program["BMUDir"] = Path(c.bmuDir);
        if (c.location) settings.game["Location"] = Path(c.location);
        Open();
        EXPECT_EQ(view.boxes, (std::array{home, c.shownBmuDir}));
        EXPECT_EQ(settings.Stored("MP3Dir"), c.storedMp3Dir);
        EXPECT_EQ(settings.Stored("BMUDir"), c.storedBmuDir);
        EXPECT_EQ(settings.Stored("PreserveFileDateTime"), "1");
        EXPECT_EQ(view.checked, tunewrap::DefaultOptionStates());
        // Designed widths in an empty list, widths fitted (100) to the names in a filled one.
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(view.Width(MP3, column), (std::array{3510, 1050, 1830}[column] / 15));
            if (c.location && c.location[0] == 'G') {
                EXPECT_EQ(view.Width(BMU, column), 100);
            }
        }
        EXPECT_FALSE(view.placed.has_value());
    }
    presenter->SetOption(OptionId::PreserveFileDateTime, false);
    presenter->SetOption(OptionId::OverwriteAll, true);
    EXPECT_EQ(settings.Stored("PreserveFileDateTime"), "0");
    EXPECT_EQ(settings.Stored("OverwriteAll"), "yes");  // stored at close
}

TEST_F(Presenter, StoredSettingsAreRestoredWithoutWritingAndOnlyChangesAreSavedBack) {
    const char* names[] = {"MP3FileColWidth",    "MP3SizeColWidth", "MP3DateColWidth",
                           "BMUFileColWidth",    "BMUSizeColWidth", "BMUDateColWidth",
                           "WaveExtention",      "OverwriteAll",    "PreserveFileDateTime",
                           "ReencodeUnsuitable", "GameNames",       "WindowGeometry"};
    std::string values[] = {"1049.953", "1050", "1830", "2000", "0", "3000",
                            "1",        "1",    "0",    "1",    "1", " 100,80 ,1000,500,1"};
    for (int i = 0; i < 12; ++i) settings.program[names[i]] = values[i];
    Open();
    EXPECT_EQ(settings.writes, 0);
    // A build without re-encoding shows that option off and greyed.
    const bool reencodes = tunewrap::ReencodeAvailable();
    EXPECT_EQ(view.checked, (std::array{true, true, false, reencodes, true}));
    EXPECT_EQ(view.On(tunewrap::Control::ReencodeUnsuitable), reencodes);
    EXPECT_EQ(view.placed, (tunewrap::WindowPlace{100, 80, 1000, 500, true}));
    EXPECT_EQ(view.Width(BMU, 1), 0);
    view.boxes = {"", "/typed/elsewhere"};  // an empty box keeps the stored folder
    view.Width(MP3, 2) = 10;
    presenter->SetOption(OptionId::OverwriteAll, false);
    presenter->SetOption(OptionId::ReencodeUnsuitable, false);
    view.place = {-20, 5, 700, 420, false};
    EXPECT_TRUE(presenter->CloseRequested());
    presenter->Unload();  // once only
    values[2] = "150";
    values[7] = values[9] = "0";
    values[11] = "-20,5,700,420,0";
    for (int i = 0; i < 12; ++i) EXPECT_EQ(settings.Stored(names[i]), values[i]) << names[i];
    EXPECT_EQ(settings.Stored("MP3Dir"), Path("Music"));
    EXPECT_EQ(settings.Stored("BMUDir"), "/typed/elsewhere");
    EXPECT_EQ(settings.writes, 33);  // with the facts' widths and whether they are hidden
}

// The facts' columns start hidden and are read only while one of them shows: after each listing,
// or at once when shown. Name, Size and Modified cannot be hidden. Where a column was and how
// wide are stored, also of a column hidden since it was resized.
TEST_F(Presenter, FactColumnsAreOptionalReadWhileShownAndStored) {
    using tunewrap::ListColumn;
    WriteFile(Path("Music/a.mp3"), "x");
    Open();
    for (int column = 3; column < 8; ++column)
        EXPECT_FALSE(view.shown.at({MP3, ListColumn(column)})) << column;
    presenter->ColumnShown(MP3, ListColumn::Name, false);
    EXPECT_FALSE(view.shown.contains({MP3, ListColumn::Name}));
    presenter->ColumnShown(MP3, ListColumn::Verdict, true);
    presenter->ColumnShown(MP3, ListColumn::Length, true);
    presenter->Refresh(MP3);
    presenter->Refresh(BMU);
    presenter->SetOption(OptionId::WAVExtension, true);
    EXPECT_EQ(view.log, (Names{"facts 0", "facts 0", "judge 0 wav"}));
    view.Width(MP3, 3) = 40;
    presenter->ColumnShown(MP3, ListColumn::Length, false);
    view.Width(MP3, 3) = 0;  // as hidden on screen
    presenter->Unload();
    EXPECT_EQ(settings.Stored("MP3LengthColHidden"), "1");
    EXPECT_EQ(settings.Stored("MP3LengthColWidth"), "600");
    EXPECT_EQ(settings.Stored("MP3VerdictColHidden"), "0");
    EXPECT_EQ(settings.Stored("BMUVerdictColHidden"), "1");
    Open();
    EXPECT_TRUE(view.shown.at({MP3, ListColumn::Verdict}));
    EXPECT_FALSE(view.shown.at({MP3, ListColumn::Length}));
    EXPECT_EQ(view.Width(MP3, 3), 40);
    EXPECT_EQ(view.log, (Names{"facts 0 wav"}));
}

// A listing widens a column whose texts its stored width cuts, within the list; it never narrows
// one, nor touches one the user dragged.
TEST_F(Presenter, ListingWidensCutColumnsWithinTheListButNotDraggedOnes) {
    using tunewrap::ListColumn;
    settings.program["MP3FileColWidth"] = "1500";
    settings.program["MP3SizeColWidth"] = "3000";
    settings.program["MP3DateColWidth"] = "600";
    Open();
    view.contents = {{{MP3, ListColumn::Name}, 500},
                     {{MP3, ListColumn::Size}, 50},
                     {{MP3, ListColumn::Date}, 120}};
    presenter->Refresh(MP3);
    EXPECT_EQ((std::array{view.Width(MP3, 0), view.Width(MP3, 1), view.Width(MP3, 2)}),
              (std::array{view.listRoom, 200, 120}));
    view.Width(MP3, 2) = 60;
    presenter->ColumnDragged(MP3, ListColumn::Date);
    presenter->Refresh(MP3);
    EXPECT_EQ(view.Width(MP3, 2), 60);
}

// Facts that come in re-sort a list sorted by one of them, but a batch's rows stay where they
// were until it ends.
TEST_F(Presenter, FactsReadDuringABatchReSortTheListOnlyAfterIt) {
    WriteFile(Path("Music/a.mp3"), Sample("cbr128_joint.mp3"));
    Open();
    presenter->FactsFilled(MP3);  // sorted by name: nothing to do
    presenter->ColumnClicked(MP3, 8);
    presenter->FactsFilled(MP3);
    view.Select(MP3, {"a.mp3"});
    std::size_t sortsMidCopy = 0;
    sink.onYield = [&] {
        presenter->FactsFilled(MP3);
        sortsMidCopy = view.sorts.size();
    };
    presenter->Convert(MP3);
    EXPECT_EQ(sortsMidCopy, 2u);
    EXPECT_EQ(view.sorts, (Names{"0 by 7", "0 by 7", "0 by 7"}));
}

TEST(WindowPlace, OnlyFiveWholeNumbersWithAPositiveSizeAndAFlagAreAPlace) {
    using tunewrap::ParseWindowPlace, tunewrap::WindowPlace;
    EXPECT_EQ(ParseWindowPlace("100,80,1000,500,0"), (WindowPlace{100, 80, 1000, 500, false}));
    EXPECT_EQ(ParseWindowPlace(" -1500 , +100 ,1600,900,1"),
              (WindowPlace{-1500, 100, 1600, 900, true}));
    for (const char* text :
         {"0,0,1000,500", "0,0,1000,500,0,0", "0,0,0,500,0", "0,0,1000,-1,0", "0,0,1000,500,2",
          "0,0,1000,500,", "0,0,1e3,500,0", "0,0,99999999999,500,0", "0,0,+-5,500,0", ""})
        EXPECT_EQ(ParseWindowPlace(text), std::nullopt) << text;
    EXPECT_EQ(tunewrap::WindowPlaceText({-3, 4, 5, 6, true}), "-3,4,5,6,1");
}

// Music holds a.mp3 and b.mp3, Game/music x.bmu and y.wav.
class Commands : public Presenter {
  protected:
    void SetUp() override {
        Presenter::SetUp();
        for (const char* file :
             {"Music/a.mp3", "Music/b.mp3", "Game/music/x.bmu", "Game/music/y.wav"})
            WriteFile(Path(file), "x");
        Open();
    }
};

TEST_F(Commands, DeleteAsksOnceThenTrashesOnYesOnlyAndRefillsBothLists) {
    const struct {
        ListId list;
        Names selected;
        const char* question;
    } cases[] = {
        {MP3, {}, nullptr},  // nothing selected: nothing asked, nothing refilled
        {MP3, {"a.mp3"}, "Are you sure you want to delete:\n\na.mp3"},
        {BMU, {"x.bmu", "y.wav"}, "Are you sure you want to delete these 2 files?"},
    };
    for (const auto& c : cases) {
        for (BoxAnswer reply : {BoxAnswer::No, BoxAnswer::Yes}) {
            view.asked.clear(), view.log.clear();
            view.answers = {reply};
            view.Select(c.list, c.selected);
            WriteFile(Path("Music/late.mp3"), "");  // only a refill lists it
            presenter->DeleteSelected(c.list);
            EXPECT_EQ(view.Listed(MP3).back() == "late.mp3", c.question != nullptr);
            Names trashed;
            for (const std::string& name : c.selected)
                trashed.push_back("trash " + view.boxes[int(c.list)] + "/" + name);
            EXPECT_EQ(view.log, reply == BoxAnswer::Yes ? trashed : Names{});
            EXPECT_EQ(view.asked,
                      c.question ? Names{"Confirm Delete: " + std::string(c.question)} : Names{});
        }
    }
}

TEST_F(Commands, TheMenuActsOnTheListItOpenedOverAndOffersPropertiesForNoneOrOneFile) {
    for (const Names& selected : {Names{}, Names{"y.wav"}, Names{"x.bmu", "y.wav"}}) {
        view.Select(BMU, selected);
        presenter->MenuOpened(BMU);
        EXPECT_EQ(presenter->MenuList(), BMU);
        EXPECT_EQ(view.On(Control::MenuProperties), selected.size() <= 1);
    }
    view.Select(BMU, {"y.wav"});
    presenter->ShowProperties(BMU);
    presenter->SetOption(OptionId::WAVExtension, true);
    presenter->ShowProperties(BMU);
    EXPECT_EQ(view.log, (Names{"properties " + Path("Game/music") + "/y.wav",
                               "properties " + Path("Game/music") + "/y.wav as .wav"}));
    presenter->SelectAll(MP3);
    EXPECT_EQ(view.Listed(MP3, true), (Names{"a.mp3", "b.mp3"}));
    EXPECT_TRUE(view.On(Control::ConvertToBMU) && !view.On(Control::ConvertToMP3));
}

TEST_F(Commands, BrowseListsTheChoiceAndTurnsOffOnlyThatPanesButton) {
    WriteFile(Path("new/c.mp3"), "x");
    WriteFile(Path("new/c.bmu"), "x");
    for (const ListId pane : {MP3, BMU}) {
        const Control convert = pane == MP3 ? Control::ConvertToBMU : Control::ConvertToMP3;
        const Control other = pane == MP3 ? Control::ConvertToMP3 : Control::ConvertToBMU;
        for (const std::string& chosen : {std::string(), Path("new")}) {  // cancelled, chosen
            view.enabled[convert] = view.enabled[other] = true;
            const std::string before = view.boxes[int(pane)];
            const Names names = view.Listed(pane);
            view.log.clear();
            view.picked = chosen;
            presenter->Browse(pane);
            EXPECT_EQ(view.log, Names{std::string("pick Select your ") +
                                      (pane == MP3 ? "MP3" : "BMU") + " directory at " + before});
            EXPECT_TRUE(view.On(other));
            EXPECT_EQ(view.On(convert), chosen.empty());
            EXPECT_EQ(view.boxes[int(pane)], chosen.empty() ? before : chosen);
            EXPECT_EQ(view.Listed(pane) == names, chosen.empty());
        }
    }
}

// The names a job or Delete takes from a list are in the folder listed, whatever the box shows
// meanwhile; a refresh lists what the box names.
TEST_F(Commands, NamesAreTakenFromTheListedFolderUntilARefreshListsTheTypedOne) {
    const std::string song = Sample("cbr128_joint.mp3");
    WriteFile(Path("Music/a.mp3"), song);
    for (const char* file : {"other/a.mp3", "other/o.mp3", "other/x.bmu"})
        WriteFile(Path(file), "o");
    view.boxes = {Path("other"), Path("other")};
    view.answers = {BoxAnswer::Yes};  // overwrite
    view.Select(MP3, {"a.mp3"});
    WriteFile(Path("Game/music/a.bmu"), "old");
    presenter->Convert(MP3);
    EXPECT_EQ(view.asked.size(), 1u);
    EXPECT_EQ(ReadFile(Path("Game/music/a.bmu")), "BMU V1.0" + song);
    EXPECT_EQ(view.Listed(BMU), (Names{"a.bmu", "x.bmu", "y.wav"}));
    view.Select(BMU, {"x.bmu"});
    view.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
    presenter->DeleteSelected(BMU);  // then lists what the boxes name
    EXPECT_EQ(view.log, (Names{"scroll 1 of 1", "trash " + Path("Game/music") + "/x.bmu"}));
    EXPECT_EQ(view.Listed(MP3), (Names{"a.mp3", "o.mp3"}));
}

// A change in a listed folder is read once the folder falls quiet, each change restarting the
// wait, with the selection kept and the convert button following it. Nothing is read during a
// batch: it lists its destination itself, and the source follows after it.
TEST_F(Commands, ListsFollowTheirFoldersOnceQuietKeepingTheSelection) {
    view.Select(MP3, {"b.mp3"});
    WriteFile(Path("Music/c.mp3"), Sample("cbr128_joint.mp3"));
    std::filesystem::remove(Path("Music/a.mp3"));
    presenter->FolderChanged(MP3);
    presenter->FolderChanged(MP3);
    EXPECT_EQ(view.Listed(MP3), (Names{"a.mp3", "b.mp3"}));
    presenter->FolderQuiet(MP3);
    EXPECT_EQ(view.Listed(MP3), (Names{"b.mp3", "c.mp3"}));
    EXPECT_EQ(view.Listed(MP3, true), Names{"b.mp3"});
    EXPECT_TRUE(view.On(Control::ConvertToBMU));
    EXPECT_EQ(view.log, Names(2, "await 0"));
    view.log.clear();
    view.Select(MP3, {"c.mp3"});
    sink.onYield = [&] {
        WriteFile(Path("Music/d.mp3"), "x");
        for (const ListId list : {MP3, BMU}) {
            presenter->FolderChanged(list);
            presenter->FolderQuiet(list);
        }
        EXPECT_EQ(view.Listed(MP3), (Names{"b.mp3", "c.mp3"}));
    };
    presenter->Convert(MP3);
    EXPECT_EQ(view.log, (Names{"scroll 1 of 1", "await 0"}));  // c.bmu, new, then the source
    presenter->FolderQuiet(MP3);
    EXPECT_EQ(view.Listed(MP3), (Names{"b.mp3", "c.mp3", "d.mp3"}));
}

// While a batch copies, the window takes clicks: a row clicked meanwhile must not turn a convert
// button on, and a convert started meanwhile is turned away, not run inside the first.
TEST_F(Commands, ButtonsStayOffDuringABatchAndASecondBatchIsTurnedAway) {
    WriteFile(Path("Music/a.mp3"), Sample("cbr128_joint.mp3"));
    Open();
    presenter->RowsClicked(MP3);  // a click that leaves nothing selected turns nothing on
    EXPECT_FALSE(view.On(Control::ConvertToBMU));
    view.Select(MP3, {"a.mp3"});
    presenter->RowsClicked(MP3);
    ASSERT_TRUE(view.On(Control::ConvertToBMU));
    std::vector<bool> onMidCopy;
    sink.onYield = [&] {
        view.Select(BMU, {});
        presenter->RowsClicked(MP3);
        presenter->SelectAll(BMU);
        onMidCopy.push_back(view.On(Control::ConvertToBMU) || view.On(Control::ConvertToMP3));
        EXPECT_FALSE(presenter->TakesDrops());
        presenter->Convert(MP3);
    };
    presenter->Convert(MP3);
    EXPECT_EQ(onMidCopy, std::vector<bool>(onMidCopy.size(), false));
    EXPECT_FALSE(onMidCopy.empty());
    EXPECT_EQ(std::count(sink.events.begin(), sink.events.end(), "file a.mp3"), 1);
    EXPECT_FALSE(view.On(Control::ConvertToBMU) || view.busy);
    EXPECT_TRUE(view.On(Control::About) && view.On(Control::WAVExtension));
}

// The summary counts and words as the command line does, the files never reached included; the
// files the batch created are selected in the destination list as if clicked, the first shown.
TEST_F(Commands, ABatchEndsWithItsSummaryAndItsNewFilesSelected) {
    const std::string song = Sample("cbr128_joint.mp3");
    for (const char* name : {"a", "b", "d"}) WriteFile(Path("Music/") + name + ".mp3", song);
    WriteFile(Path("Music/c.mp3"), "BMU V1.0" + song);
    WriteFile(Path("Game/music/b.bmu"), "old");
    Open();
    presenter->SelectAll(MP3);
    view.answers = {BoxAnswer::No, BoxAnswer::No};  // keep b.bmu; after c, stop
    presenter->Convert(MP3);
    EXPECT_EQ(view.summary.line, "1 converted, 1 skipped, 1 failed, 1 not reached");
    const std::vector<tunewrap::BatchSummary::File> files = {
        {"a.mp3", "converted to " + Path("Game/music") + "/a.bmu"},
        {"b.mp3", "skipped: exists"},
        {"c.mp3", "failed: already a BMU file"},
        {"d.mp3", "not reached"}};
    EXPECT_EQ(view.summary.files, files);
    EXPECT_EQ(view.Listed(BMU, true), Names{"a.bmu"});
    EXPECT_EQ(view.log, Names{"scroll 1 of 1"});
    EXPECT_TRUE(view.On(Control::ConvertToMP3));
}

// "Yes to All" and "No to All" answer their kind of question for the rest of the batch, offered
// while files follow; the next batch asks afresh. Each summary is cleared while its batch runs.
TEST_F(Commands, AnswersToAllLastTheBatchAndOnlyTheirKindOfQuestion) {
    for (const char* name : {"a", "b", "c"})  // each one unsuitable, each one's BMU there
        WriteFile(Path("Music/") + name + ".mp3", Sample("cbr128_48k.mp3"));
    // "File Exists a", "Warning a": the title and the file; " *" where "to all" was offered.
    auto brief = [](const std::string& q) {
        const std::size_t name = q.starts_with("Warning") ? q.find('\'') + 1 : q.find(": ") + 2;
        return q.substr(0, q.find(':')) + " " + q[name] + (q.ends_with(" [to all]") ? " *" : "");
    };
    const struct {
        std::vector<BoxAnswer> answers;
        Names asked;
        const char* summary;
    } cases[] = {
        {{BoxAnswer::YesToAll, BoxAnswer::NoToAll},
         {"File Exists a *", "Warning a *"},
         "0 converted, 3 skipped, 0 failed"},
        {{BoxAnswer::Yes, BoxAnswer::YesToAll, BoxAnswer::No},
         {"File Exists a *", "Warning a *", "File Exists b *", "File Exists c"},
         "1 converted, 2 skipped, 0 failed"},
    };
    for (const auto& c : cases) {
        for (const char* name : {"a", "b", "c"}) WriteFile(Path("Game/music/") + name + ".bmu", "");
        presenter->Refresh(MP3);
        presenter->Refresh(BMU);
        presenter->SelectAll(MP3);
        view.asked.clear();
        view.answers = c.answers;
        sink.onYield = [&] { EXPECT_EQ(view.summary.line, ""); };
        presenter->Convert(MP3);
        Names asked;
        for (const std::string& question : view.asked) asked.push_back(brief(question));
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(view.summary.line, c.summary);
    }
}

// Asked to close while a batch runs further up the call stack, the presenter stops the batch and
// closes once it has returned, storing the settings then, once.
TEST_F(Commands, ClosingDuringABatchStopsItAndClosesAfterIt) {
    WriteFile(Path("Music/a.mp3"), Sample("cbr128_joint.mp3"));
    Open();
    view.Select(MP3, {"a.mp3"});
    std::vector<bool> accepted;
    sink.onYield = [&] {
        if (accepted.empty()) accepted.push_back(presenter->CloseRequested());
        EXPECT_EQ(settings.Stored("WindowGeometry"), "<absent>");
    };
    presenter->Convert(MP3);
    EXPECT_EQ(accepted, std::vector<bool>{false});
    EXPECT_EQ(view.log, (Names{"stop", "close"}));
    EXPECT_TRUE(presenter->CloseRequested());
    const int writes = settings.writes;
    EXPECT_TRUE(presenter->CloseRequested());
    EXPECT_EQ(settings.writes, writes);
    EXPECT_EQ(settings.Stored("WindowGeometry"), "40,30,950,430,0");
}

}  // namespace
