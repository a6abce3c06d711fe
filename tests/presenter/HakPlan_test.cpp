#include "HakPlan.h"

#include "PresenterFixture.h"

namespace {

const std::string kTable =
    "2DA V2.0\n\nDescription Resource Stinger1 Stinger2 Stinger3 DisplayName\n"
    "0 **** mus_town **** **** **** Town\n";

TEST_F(Presenter, APlanChecksNamesAsTypedAndSaysWhatTheHakStartsFrom) {
    for (const char* song : {"Music/Café.mp3", "Music/Rain.mp3"})
        WriteFile(Path(song), Sample("cbr128_stereo.mp3"));
    tunewrap::HakPlan plan(
        {Path("Music/Café.mp3"), Path("Music/Rain.mp3")}, Path("Game"),
        {[](const char*) { return nullptr; }, [](const std::string&) { return false; }});
    EXPECT_EQ(plan.Track(0).resRef, "cafe");
    EXPECT_EQ(plan.HakPath(), Path("Game") + "/music.hak");
    EXPECT_NE(plan.StartText().find("No music table to start from"), std::string::npos);
    EXPECT_FALSE(plan.CanMake());
    WriteFile(Path("base.2da"), kTable);
    plan.SetTablePath(Path("base.2da"));
    EXPECT_EQ(plan.StartText(), "A new hak. The music table starts from " + Path("base.2da") +
                                    " (1 row); new songs get the rows after.");
    EXPECT_TRUE(plan.CanMake());
    const struct {
        std::string name, display, nameProblem, displayProblem;
    } cases[] = {
        {"rain", "Rain", "Also the name of another song", ""},
        {"Rain", "Rain \"x\"", "1 to 16 of a-z, 0-9 and _",
         "No \" or control characters, no spaces at the ends, at most 256 bytes"},
        {"a_name_of_17_char", " Rain", "1 to 16 of a-z, 0-9 and _",
         "No \" or control characters, no spaces at the ends, at most 256 bytes"},
        {"storm", "", "", "The toolset lists the song under this name"},
    };
    for (const auto& c : cases) {
        plan.SetName(0, c.name);
        plan.SetDisplayName(0, c.display);
        EXPECT_EQ(plan.NameProblem(0), c.nameProblem) << c.name;
        EXPECT_EQ(plan.DisplayNameProblem(0), c.displayProblem) << c.display;
        EXPECT_FALSE(plan.CanMake());
    }
}

TEST_F(Presenter, PackIntoHakWritesTheSelectedSongsAndSaysHowItWent) {
    for (const char* song : {"Music/Café.mp3", "Music/Rain.mp3", "Music/Skip.mp3"})
        WriteFile(Path(song), Sample("cbr128_stereo.mp3"));
    WriteFile(Path("base.2da"), kTable);
    WriteFile(Path("Game/music/x.bmu"), "BMU V1.0");
    Open();
    view.Select(MP3, {"Café.mp3", "Rain.mp3"});
    view.Select(BMU, {"x.bmu"});
    presenter->MenuOpened(BMU);
    EXPECT_FALSE(view.On(Control::MenuPackIntoHak));
    presenter->MenuOpened(MP3);
    EXPECT_TRUE(view.On(Control::MenuPackIntoHak));
    view.hakPlan = [&](tunewrap::HakPlan& plan) {
        plan.SetHakPath(Path("Game/my.hak"));
        plan.SetTablePath(Path("base.2da"));
        plan.SetName(1, "mus_rain");
        return plan.CanMake();
    };
    presenter->PackIntoHak();
    EXPECT_EQ(view.summary,
              (tunewrap::BatchSummary{"2 packed, 0 failed. Hak written to " + Path("Game/my.hak"),
                                      {{"Café.mp3", "packed as cafe, row 1"},
                                       {"Rain.mp3", "packed as mus_rain, row 2"}}}));
    EXPECT_TRUE(view.asked.empty());
    EXPECT_FALSE(view.busy);
    // Added to the hak just made, which now has a table of its own.
    view.Select(MP3, {"Skip.mp3"});
    view.hakPlan = [&](tunewrap::HakPlan& plan) {
        plan.SetHakPath(Path("Game/my.hak"));
        EXPECT_EQ(plan.StartText(),
                  "Adds to the 3 entries of this hak. The music table starts from "
                  "ambientmusic.2da in " +
                      Path("Game/my.hak") + " (3 rows); new songs get the rows after.");
        return false;
    };
    presenter->PackIntoHak();
    EXPECT_EQ(view.summary.files.size(), 2u);  // nothing made, nothing said
}

}  // namespace
