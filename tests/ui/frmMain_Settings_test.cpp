#include "MainWindowFixture.h"
#include "TwipsLayout.h"

namespace {

using Settings = MainWindowTest;

int DesignedPixels(const frmMain& window, int twips) {
    // The scale the window used: the source list's designed name width is 3510 twips.
    return static_cast<int>(std::lround(twips * window.lvwMP3List->width() / 5295.0));
}

TEST_F(Settings, FirstStartShowsHomeAndStoresTheDateOptionAtOnceAndOnEveryChange) {
    auto window = Open();
    EXPECT_EQ(window->txtMP3Dir->text().toStdString(), Home());
    EXPECT_EQ(window->txtBMUDir->text().toStdString(), Home());
    EXPECT_EQ(window->windowTitle(), "Tunewrap - v0.35");
    EXPECT_FALSE(window->chkWAVExtension->isChecked());
    EXPECT_FALSE(window->chkOverwriteAll->isChecked());
    EXPECT_TRUE(window->chkPreserveFileDateTime->isChecked());
    EXPECT_EQ(Stored("PreserveFileDateTime"), "1");
    EXPECT_EQ(Stored("MP3Dir"), "<absent>");
    EXPECT_EQ(Stored("BMUDir"), "<absent>");
    const int designed[] = {3510, 1050, 1830};
    for (int column = 0; column < 3; ++column) {
        EXPECT_NEAR(window->lvwMP3List->columnWidth(column),
                    DesignedPixels(*window, designed[column]), 1);
    }
    EXPECT_NEAR(window->lvwBMUList->columnWidth(0), DesignedPixels(*window, 1890), 1);
    window->chkPreserveFileDateTime->click();
    EXPECT_EQ(Stored("PreserveFileDateTime"), "0");
}

TEST_F(Settings, GameFolderGivesTheDestinationAndListsAreFitted) {
    Store("Location", Path("Game"), mdlRegistry::kGameKey);
    WriteFile(Path("Game/music/a song with a rather long name.bmu"), "BMU V1.0xyz");
    WriteFile(Path("home/x.mp3"), "ID3");
    auto window = Open();
    EXPECT_EQ(window->txtBMUDir->text().toStdString(), Path("Game") + "/music");
    EXPECT_EQ(Names(*window->lvwBMUList),
              std::vector<std::string>{"a song with a rather long name.bmu"});
    EXPECT_EQ(Stored("BMUDir"), "<absent>");  // only shut-down stores it
    for (FileListView* list : {window->lvwMP3List, window->lvwBMUList}) {
        const QString widest = list->topLevelItem(0)->text(0);
        EXPECT_GE(list->columnWidth(0), list->fontMetrics().horizontalAdvance(widest));
        EXPECT_LT(list->columnWidth(0), list->fontMetrics().horizontalAdvance(widest) + 40);
        const int used = list->columnWidth(0) + list->columnWidth(1) + list->columnWidth(2);
        EXPECT_GE(used, list->width() - 2 * list->frameWidth() - 1) << "last column fills the list";
    }
}

TEST_F(Settings, MissingDirectoriesFallBackToHomeAndAreStoredAtOnce) {
    const struct {
        const char* mp3Dir;
        const char* bmuDir;
        const char* location;
    } cases[] = {
        {"gone", "gone too", nullptr},
        {"", nullptr, "no game here"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(Path("home/.config"));
        Store("MP3Dir", c.mp3Dir[0] ? Path(c.mp3Dir) : "");
        if (c.bmuDir) Store("BMUDir", Path(c.bmuDir));
        if (c.location) Store("Location", Path(c.location), mdlRegistry::kGameKey);
        auto window = Open();
        EXPECT_EQ(window->txtMP3Dir->text().toStdString(), Home());
        EXPECT_EQ(window->txtBMUDir->text().toStdString(), Home());
        EXPECT_EQ(Stored("MP3Dir"), Home());
        EXPECT_EQ(Stored("BMUDir"), Home());
    }
}

TEST_F(Settings, UnusableStoredValuesGiveTheDefaultsAndStartUpCompletes) {
    WriteFile(Path("home/.config/Brenlo/Tunewrap.conf"),
              "[General]\nMP3FileColWidth=wide\nMP3SizeColWidth=@ByteArray(1)\n"
              "MP3DateColWidth=-5\nWaveExtention=2\nOverwriteAll=yes\nPreserveFileDateTime=1.0\n");
    auto window = Open();
    EXPECT_NEAR(window->lvwMP3List->columnWidth(0), DesignedPixels(*window, 3510), 1);
    EXPECT_NEAR(window->lvwMP3List->columnWidth(1), DesignedPixels(*window, 1050), 1);
    EXPECT_NEAR(window->lvwMP3List->columnWidth(2), DesignedPixels(*window, 1830), 1);
    EXPECT_FALSE(window->chkWAVExtension->isChecked());
    EXPECT_FALSE(window->chkOverwriteAll->isChecked());
    EXPECT_TRUE(window->chkPreserveFileDateTime->isChecked());
    EXPECT_EQ(Stored("PreserveFileDateTime"), "1");
    EXPECT_EQ(window->windowTitle(), "Tunewrap - v0.35");
}

TEST_F(Settings, CompleteSettingsAreRestoredWithoutWritingAndSavedBackUnchanged) {
    StoreDirectories();
    WriteFile(Path("Music/a.mp3"), "ID3");
    const char* widths[][2] = {{"MP3FileColWidth", "1049.953"}, {"MP3SizeColWidth", "1050"},
                               {"MP3DateColWidth", "1830"},     {"BMUFileColWidth", "2000"},
                               {"BMUSizeColWidth", "0"},        {"BMUDateColWidth", "3000"}};
    for (const auto& [name, value] : widths) Store(name, value);
    Store("WaveExtention", "1");
    Store("OverwriteAll", "1");
    Store("PreserveFileDateTime", "0");
    const std::string before = ReadFile(SettingsFile());

    auto window = Open();
    EXPECT_EQ(ReadFile(SettingsFile()), before);
    EXPECT_TRUE(window->chkWAVExtension->isChecked());
    EXPECT_TRUE(window->chkOverwriteAll->isChecked());
    EXPECT_FALSE(window->chkPreserveFileDateTime->isChecked());
    EXPECT_EQ(window->lvwBMUList->columnWidth(1), 0);
    window->close();
    for (const auto& [name, value] : widths) EXPECT_EQ(Stored(name), value) << name;
    EXPECT_EQ(Stored("MP3Dir"), Path("Music"));
}

TEST_F(Settings, ShutDownStoresEverythingButAnEmptyDirectoryBox) {
    StoreDirectories();
    auto window = Open();
    window->txtMP3Dir->clear();
    window->txtBMUDir->setText("/typed/elsewhere");
    window->lvwMP3List->setColumnWidth(0, 0);
    window->chkOverwriteAll->setChecked(true);
    window->close();
    EXPECT_EQ(Stored("MP3Dir"), Path("Music"));
    EXPECT_EQ(Stored("BMUDir"), "/typed/elsewhere");
    EXPECT_EQ(Stored("MP3FileColWidth"), "0");
    EXPECT_EQ(Stored("MP3DateColWidth"), "1830");
    EXPECT_EQ(Stored("BMUFileColWidth"), "1890");
    EXPECT_EQ(Stored("WaveExtention"), "0");
    EXPECT_EQ(Stored("OverwriteAll"), "1");
    EXPECT_EQ(Stored("PreserveFileDateTime"), "1");
}

}  // namespace
