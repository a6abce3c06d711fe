// Names and paths that break naive code go through the window's list, both conversions and
// Delete unchanged, and Delete takes exactly the file that was selected.
#include <climits>
#include <set>

#include "linux/FileIoForTests.h"
#include "ui/MainWindowFixture.h"

namespace {

using NameSet = std::set<std::string>;

class HostileNames : public MainWindowTest {
  protected:
    // Shows `dir` in a pane and selects exactly `names` there; returns what the pane lists.
    NameSet Show(bool mp3Pane, const std::string& dir, const NameSet& names = {}) {
        std::filesystem::create_directories(dir);
        (mp3Pane ? window->txtMP3Dir : window->txtBMUDir)->setText(QString::fromStdString(dir));
        mp3Pane ? window->cmdMP3Refresh_Click() : window->cmdBMURefresh_Click();
        return Select(mp3Pane, names);
    }
    NameSet Select(bool mp3Pane, const NameSet& names) {
        FileListView& list = mp3Pane ? *window->lvwMP3List : *window->lvwBMUList;
        MainWindowTest::Select(list, Strings(names.begin(), names.end()));
        const auto listed = Names(list);
        return {listed.begin(), listed.end()};
    }

    // Wraps every name from `music` into `game`, unwraps them into `back`, then deletes the BMU
    // files one at a time.
    void RoundTrip(const std::string& music, const std::string& game, const std::string& back,
                   const std::vector<std::string>& names) {
        window = Open();
        window->SetAskYesNoHook([](auto&&...) { return tunewrap::MsgButton::Yes; });
        window->chkOverwriteAll->setChecked(false);  // an existence test that globbed would ask
        const NameSet mp3s(names.begin(), names.end());
        NameSet bmus;
        for (const std::string& name : names) {
            WriteFile(music + "/" + name, "bytes of " + name);
            bmus.insert(name.substr(0, name.size() - 4) + ".bmu");
        }
        Show(false, game);
        EXPECT_EQ(Show(true, music, mp3s), mp3s);
        window->cmdConvertToBMU_Click();
        EXPECT_EQ(Select(false, bmus), bmus);
        Show(true, back);
        window->cmdConvertToMP3_Click();
        EXPECT_EQ(Select(true, {}), mp3s);
        for (const std::string& name : names)
            EXPECT_EQ(ReadFile(back + "/" + name), "bytes of " + name) << name;

        for (const std::string& bmu : NameSet(bmus)) {
            Select(false, {bmu});
            emit window->lvwBMUList->DeleteKey();
            bmus.erase(bmu);
            EXPECT_EQ(Select(false, {}), bmus) << "deleting " << bmu;
            EXPECT_FALSE(std::filesystem::exists(game + "/" + bmu)) << bmu;
        }
    }

    std::unique_ptr<Window> window;
};

TEST_F(HostileNames, OddNamesConvertListRoundTripAndDeleteAlone) {
    std::string accents;
    while (accents.size() < 250) accents += "\xC3\xA9";  // é, two bytes each
    RoundTrip(
        Path("Music"), Path("Game/music"), Path("Back"),
        {"two  spaces.mp3", " leading and trailing .mp3", "quote \" and ' .mp3", "-dash.mp3",
         "--.mp3", "Grüße – 音楽.mp3", "pipe|name.mp3", "a|b|.mp3", "star*question?.mp3",
         "back\\slash.mp3", "percent %s %n.mp3", std::string(251, 'n') + ".mp3", accents + "x.mp3",
         // Deleted before the names a wildcard or a split at '|' would also take.
         "?.mp3", "a*.mp3", "ab.mp3", "a|b.mp3", "b.mp3"});
}

// Folders nested until a destination path is as long as the system takes, with no room for the
// suffix of a part file, also where part files must have names.
TEST_F(HostileNames, PathsAtTheSystemLimitWork) {
    const std::string tail = "/music/song.bmu";
    std::string deep = Path("deep");
    while (deep.size() + 1 + 200 + 1 + 50 + tail.size() < PATH_MAX - 1)
        deep += "/" + std::string(200, 'd');
    deep += "/" + std::string(PATH_MAX - 1 - tail.size() - deep.size() - 1, 'e');
    ASSERT_EQ((deep + tail).size(), PATH_MAX - 1u);
    for (const bool named : {false, true}) {
        platform::testing::UseNamedPartFilesOnly(named);
        RoundTrip(deep + "/Music", deep + "/music", deep + "/Back", {"song.mp3"});
    }
    platform::testing::UseNamedPartFilesOnly(false);
}

}  // namespace
