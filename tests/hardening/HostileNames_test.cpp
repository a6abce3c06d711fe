// Names and paths that break naive code go through the window's list, both conversions and
// Delete unchanged, and Delete takes exactly the file that was selected.
#include <set>

#include "ui/MainWindowFixture.h"

namespace {

using NameSet = std::set<std::string>;

std::string Stem(const std::string& name) {
    return name.substr(0, name.size() - 4);
}

class HostileNames : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window = Open();
        window->SetAskYesNoHook([](auto&&...) { return tunewrap::MsgButton::Yes; });
        window->chkOverwriteAll->setChecked(false);  // an existence test that globbed would ask
    }

    void Show(FileListView& list, const std::string& dir) {
        std::filesystem::create_directories(dir);
        QLineEdit* box = &list == window->lvwMP3List ? window->txtMP3Dir : window->txtBMUDir;
        box->setText(QString::fromStdString(dir));
        if (&list == window->lvwMP3List)
            window->cmdMP3Refresh_Click();
        else
            window->cmdBMURefresh_Click();
    }
    static void SelectOnly(FileListView& list, const NameSet& names) {
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list.topLevelItem(row);
            item->setSelected(names.count(item->text(0).toStdString()) > 0);
        }
    }
    static NameSet Listed(const FileListView& list) {
        const auto names = MainWindowTest::Names(list);
        return {names.begin(), names.end()};
    }

    // Wraps every name from `music` into `game`, unwraps them into `back`, then deletes the BMU
    // files one at a time.
    void RoundTrip(const std::string& music, const std::string& game, const std::string& back,
                   const std::vector<std::string>& names) {
        NameSet mp3s, bmus;
        for (const std::string& name : names) {
            WriteFile(music + "/" + name, "bytes of " + name);
            mp3s.insert(name);
            bmus.insert(Stem(name) + ".bmu");
        }
        Show(*window->lvwMP3List, music);
        Show(*window->lvwBMUList, game);
        EXPECT_EQ(Listed(*window->lvwMP3List), mp3s);

        SelectOnly(*window->lvwMP3List, mp3s);
        window->cmdConvertToBMU_Click();
        EXPECT_EQ(Listed(*window->lvwBMUList), bmus);
        for (const std::string& name : names) {
            EXPECT_EQ(ReadFile(game + "/" + Stem(name) + ".bmu"), "BMU V1.0bytes of " + name)
                << name;
        }

        Show(*window->lvwMP3List, back);
        SelectOnly(*window->lvwBMUList, bmus);
        window->cmdConvertToMP3_Click();
        EXPECT_EQ(Listed(*window->lvwMP3List), mp3s);
        for (const std::string& name : names) {
            EXPECT_EQ(ReadFile(back + "/" + name), "bytes of " + name) << name;
        }

        for (const std::string& bmu : NameSet(bmus)) {
            SelectOnly(*window->lvwBMUList, {bmu});
            window->intPopupList = 1;
            window->mnuPopupDelete_Click();
            NameSet left = Listed(*window->lvwBMUList);
            EXPECT_EQ(left.count(bmu), 0u) << bmu << " still listed";
            EXPECT_FALSE(std::filesystem::exists(game + "/" + bmu)) << bmu;
            bmus.erase(bmu);
            EXPECT_EQ(left, bmus) << "deleting " << bmu;
        }
        EXPECT_EQ(Listed(*window->lvwMP3List), mp3s) << "the other list keeps its files";
    }

    std::unique_ptr<frmMain> window;
};

TEST_F(HostileNames, OddNamesConvertListRoundTripAndDeleteAlone) {
    std::string accents;
    while (accents.size() < 250) accents += "\xC3\xA9";  // é, two bytes each
    RoundTrip(Path("Music"), Path("Game/music"), Path("Back"),
              {"two  spaces.mp3", " leading and trailing .mp3", "quote \" and ' .mp3", "-dash.mp3",
               "--.mp3", "Grüße – 音楽.mp3", "pipe|name.mp3", "a|b|.mp3", "star*question?.mp3",
               "back\\slash.mp3", "percent %s %n.mp3", std::string(251, 'n') + ".mp3",
               accents + "x.mp3"});
}

TEST_F(HostileNames, PathsNearTheSystemLimitWork) {
    // Folders nested until a file path, with the temporary suffix of a copy, is just short of
    // the limit.
    std::string deep = Path("deep");
    const std::size_t room = 4095 - std::string("/song.bmu.tunewrap-part").size() - 20;
    while (deep.size() + 1 + 200 + 1 + 50 < room) deep += "/" + std::string(200, 'd');
    deep += "/" + std::string(room - deep.size() - 1 - 10, 'e');
    RoundTrip(deep + "/Music", deep + "/music", deep + "/Back", {"song.mp3"});
}

}  // namespace
