#include "MainWindowFixture.h"

namespace {

using Settings = MainWindowTest;

// The designed width in pixels at the scale the window used (the source list is 5295 twips).
int Designed(const frmMain& window, int twips) {
    return static_cast<int>(std::lround(twips * window.lvwMP3List->width() / 5295.0));
}

void ExpectDefaultOptions(const frmMain& window) {
    EXPECT_EQ(window.windowTitle(), "Tunewrap - v0.35");
    EXPECT_FALSE(window.chkWAVExtension->isChecked());
    EXPECT_FALSE(window.chkOverwriteAll->isChecked());
    EXPECT_TRUE(window.chkPreserveFileDateTime->isChecked());
    const int designed[] = {3510, 1050, 1830};
    for (int column = 0; column < 3; ++column) {
        EXPECT_NEAR(window.lvwMP3List->columnWidth(column), Designed(window, designed[column]), 1);
    }
}

TEST_F(Settings, FirstStartShowsHomeAndStoresTheDateOptionAtOnceAndOnEveryChange) {
    auto window = Open();
    EXPECT_EQ(window->txtMP3Dir->text().toStdString(), Home());
    EXPECT_EQ(window->txtBMUDir->text().toStdString(), Home());
    ExpectDefaultOptions(*window);
    EXPECT_NEAR(window->lvwBMUList->columnWidth(0), Designed(*window, 1890), 1);
    EXPECT_EQ(Stored("PreserveFileDateTime"), "1");
    EXPECT_EQ(Stored("MP3Dir"), "<absent>");
    window->chkPreserveFileDateTime->click();
    EXPECT_EQ(Stored("PreserveFileDateTime"), "0");
}

TEST_F(Settings, UnusableStoredValuesFallBackAndMissingDirectoriesAreStoredAtOnce) {
    const struct {
        const char* mp3Dir;
        const char* bmuDir;
        const char* location;
    } cases[] = {{"gone", "gone too", nullptr}, {"", nullptr, "no game here"}};
    for (const auto& c : cases) {
        WriteFile(SettingsFile(),
                  "[General]\nMP3FileColWidth=wide\nMP3SizeColWidth=@ByteArray(1)\n"
                  "MP3DateColWidth=-5\nWaveExtention=2\nOverwriteAll=yes\n"
                  "PreserveFileDateTime=1.0\n");
        Store("MP3Dir", c.mp3Dir[0] ? Path(c.mp3Dir) : "");
        if (c.bmuDir) Store("BMUDir", Path(c.bmuDir));
        if (c.location) Store("Location", Path(c.location), mdlRegistry::kGameKey);
        auto window = Open();
        EXPECT_EQ(window->txtMP3Dir->text().toStdString(), Home());
        EXPECT_EQ(window->txtBMUDir->text().toStdString(), Home());
        EXPECT_EQ(Stored("MP3Dir"), Home());
        EXPECT_EQ(Stored("BMUDir"), Home());
        EXPECT_EQ(Stored("PreserveFileDateTime"), "1");
        ExpectDefaultOptions(*window);
    }
}

TEST_F(Settings, GameFolderGivesTheDestinationAndListsAreFitted) {
    Store("Location", Path("Game"), mdlRegistry::kGameKey);
    WriteFile(Path("Game/music/a song with a rather long name.bmu"), "BMU V1.0xyz");
    WriteFile(Path("home/x.mp3"), "ID3");
    auto window = Open();
    EXPECT_EQ(window->txtBMUDir->text().toStdString(), Path("Game") + "/music");
    EXPECT_EQ(Names(*window->lvwBMUList), Strings{"a song with a rather long name.bmu"});
    EXPECT_EQ(Stored("BMUDir"), "<absent>");  // only shut-down stores it
    for (FileListView* list : {window->lvwMP3List, window->lvwBMUList}) {
        const int text = list->fontMetrics().horizontalAdvance(list->topLevelItem(0)->text(0));
        EXPECT_GE(list->columnWidth(0), text);
        EXPECT_LT(list->columnWidth(0), text + 40);
        const int used = list->columnWidth(0) + list->columnWidth(1) + list->columnWidth(2);
        EXPECT_GE(used, list->width() - 2 * list->frameWidth() - 1) << "last column fills the list";
    }
}

TEST_F(Settings, StoredSettingsAreRestoredWithoutWritingAndOnlyChangesAreSavedBack) {
    StoreDirectories();
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
    window->txtMP3Dir->clear();  // an empty box keeps the stored folder
    window->txtBMUDir->setText("/typed/elsewhere");
    window->lvwMP3List->setColumnWidth(2, 0);
    window->chkOverwriteAll->setChecked(false);
    window->close();
    widths[2][1] = "0";
    for (const auto& [name, value] : widths) EXPECT_EQ(Stored(name), value) << name;
    EXPECT_EQ(Stored("MP3Dir"), Path("Music"));
    EXPECT_EQ(Stored("BMUDir"), "/typed/elsewhere");
    EXPECT_EQ(Stored("WaveExtention"), "1");
    EXPECT_EQ(Stored("OverwriteAll"), "0");
    EXPECT_EQ(Stored("PreserveFileDateTime"), "0");
}

TEST_F(Settings, EveryCaptionFitsItsControlWithTheDefaultAndALargeFont) {
    const QFont original = QApplication::font();
    for (int points : {0, 14}) {
        QFont font = original;
        if (points > 0) font.setPointSize(points);
        QApplication::setFont(font);
        auto window = Open();
        for (const PlacedControl& placed : window->Layout()) {
            EXPECT_TRUE(CaptionFits(placed.widget))
                << placed.widget->objectName().toStdString() << " at " << points << " pt";
            EXPECT_TRUE(window->rect().contains(placed.widget->geometry()));
        }
        // The date/time caption wraps onto exactly two lines.
        WrapCheckBox& box = *window->chkPreserveFileDateTime;
        EXPECT_EQ(box.CaptionSize(box.CaptionRect().width()).height(),
                  box.fontMetrics()
                      .boundingRect(QRect(0, 0, 10000, 10000), Qt::TextWordWrap,
                                    QStringLiteral("preserve file\ndate/time"))
                      .height());
    }
    QApplication::setFont(original);
}

TEST_F(Settings, FocusMovesInTheDesignedOrderAndPicturesAreThere) {
    auto window = Open();
    EXPECT_EQ(window->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    EXPECT_FALSE(window->cmdBMURefresh->icon().isNull());
    const QStringList order = QStringLiteral(
                                  "txtMP3Dir cmdPromptForMP3Dir cmdMP3Refresh lvwMP3List "
                                  "cmdConvertToBMU txtBMUDir cmdPromptForBMUDir cmdBMURefresh "
                                  "lvwBMUList cmdConvertToMP3 cmdInfo chkWAVExtension "
                                  "chkPreserveFileDateTime chkOverwriteAll")
                                  .split(' ');
    QWidget* current = window->Control(order[0]);
    for (const QString& name : order.mid(1)) {
        do {
            current = current->nextInFocusChain();
        } while (!(current->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(current->objectName(), name);
    }
}

}  // namespace
