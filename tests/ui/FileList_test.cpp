#include <sys/stat.h>

#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <ctime>

#include "FileListText.h"
#include "FolderWatch.h"
#include "MainWindowFixture.h"

namespace {

// Sizes are grouped as the locale groups them and padded to eleven characters; times use the
// offset in force at that date, and midnight shows no time.
TEST(FileListText, SizesFollowTheLocaleAndTimesTheOffsetInForce) {
    const FileListText english(QLocale(QLocale::English, QLocale::UnitedStates));
    const FileListText german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(english.SizeText(987654321).toStdString(), "987,654,321");
    EXPECT_EQ(german.SizeText(1234).toStdString(), "      1.234");
    EXPECT_EQ(german.SizeText(5000000000).toStdString(), "5.000.000.000");
    const QByteArray oldTz = qgetenv("TZ");
#ifdef _WIN32
    // The C runtime reads no zone names from TZ; without it, it asks the system, whose zone the
    // test step sets to Berlin's (Wine takes the host's).
    qunsetenv("TZ");
#else
    qputenv("TZ", "Europe/Berlin");
#endif
    tzset();
    FileListText text(QLocale(QLocale::English, QLocale::UnitedKingdom));
    // 2024-01-15 11:00:00 UTC is 12:00 in winter; 2024-07-15 11:00:00 UTC is 13:00 in summer.
    EXPECT_EQ(text.DateText(1705316400).toStdString(), "15/01/2024 12:00:00");
    EXPECT_EQ(text.DateText(1721041200).toStdString(), "15/07/2024 13:00:00");
    EXPECT_EQ(text.DateText(1720994400).toStdString(), "15/07/2024");  // midnight in Berlin
    oldTz.isNull() ? qunsetenv("TZ") : qputenv("TZ", oldTz);
    tzset();
}

using Lists = TwoFolders;

// A long list fits the widest text wherever it stands, though most of its rows are never laid
// out, and the many texts of more but narrow letters do not pass for wider ones.
TEST_F(Lists, ColumnsFitTheWidestTextOfEveryRow) {
    for (const int rows : {10, 3000}) {
        FileListView list;
        FileListText texts(QLocale::c());
        for (int row = 0; row < rows; ++row) {
            const std::string name =
                row == rows / 2 ? "WWWWWWWWWW.mp3" : std::string(16, 'i') + std::to_string(row);
            list.addTopLevelItem(FileListView::NewRow(name, row, 0, texts));
        }
        const QModelIndex widest = list.model()->index(rows / 2, FileListView::NameColumn);
        EXPECT_EQ(list.sizeHintForColumn(FileListView::NameColumn),
                  list.sizeHintForIndex(widest).width())
            << rows;
    }
}

// A list watches the folder it shows: what appears there is listed once the folder has been
// quiet a while, the selection kept.
TEST_F(Lists, AListFollowsItsFolderOnceItIsQuiet) {
    WriteFile(Path("Music/a.mp3"), "x");
    auto window = Open();
    Select(*window->lvwMP3List, {"a.mp3"});
    auto* watch = window->findChild<FolderWatch*>("watchMP3Dir");
    auto* quiet = watch->findChild<QTimer*>("tmrQuiet");
    QSignalSpy changed(watch, &FolderWatch::Changed);
    WriteFile(Path("Music/b.mp3"), "x");
    ASSERT_TRUE(changed.wait());  // whenever the system tells
    EXPECT_TRUE(quiet->isActive());
    EXPECT_EQ(Names(*window->lvwMP3List), Strings{"a.mp3"});
    quiet->stop();
    QMetaObject::invokeMethod(quiet, "timeout");
    EXPECT_EQ(Names(*window->lvwMP3List), (Strings{"a.mp3", "b.mp3"}));
    EXPECT_EQ(Names(*window->lvwMP3List, true), Strings{"a.mp3"});
}

TEST_F(Lists, DestinationShowsBmuDataButNotWaveAudio) {
    const std::pair<const char*, const char*> files[] = {
        {"riff.wav", "RIFF....WAVEfmt "}, {"sfx.wav", "BMU V1.0 mp3"},
        {"LOUD.WAV", "RIFF..."},          {"tiny.wav", "RI"},
        {"Theme.bmu", "BMU V1.0"},        {"notes.txt", ""}};
    for (const auto& [name, bytes] : files) WriteFile(Path("Game/music/") + name, bytes);
    std::filesystem::create_directories(Path("Game/music/folder.wav"));
    std::filesystem::create_directories(Path("Music/a.mp3"));
    WriteFile(Path("Music/empty.mp3"), "");
#ifdef _WIN32  // no pipes in folders, and every name is text
    const Strings bmuNames = {"sfx.wav", "Theme.bmu", "tiny.wav"};
    const std::string oddName = "caf\xC3\xA9.mp3";
#else
    ASSERT_EQ(mkfifo(Path("Game/music/pipe.wav").c_str(), 0600), 0);  // must not hang the fill
    const Strings bmuNames = {"pipe.wav", "sfx.wav", "Theme.bmu", "tiny.wav"};
    const std::string oddName = "caf\xE9.mp3";  // no valid text, yet the batch must reach it
#endif
    WriteFile(Path("Music/" + oddName), "");
    auto window = Open();
    FileListView &mp3s = *window->lvwMP3List, &bmus = *window->lvwBMUList;
    EXPECT_EQ(Names(bmus), bmuNames);
    const int theme = static_cast<int>(bmuNames.size()) - 2;
    EXPECT_EQ(bmus.topLevelItem(theme)->text(1), "          8");
    EXPECT_FALSE(bmus.topLevelItem(theme)->text(2).isEmpty());
    EXPECT_EQ(window->RowName(tunewrap::ListId::MP3, 2), oddName);
    EXPECT_EQ(mp3s.topLevelItem(0)->text(1), "         -1");
    EXPECT_EQ(mp3s.topLevelItem(2)->text(1), "          0");
}

TEST_F(Lists, ColumnClicksSortByValueTieByNameAndTheSortSurvivesARefillThatOnlyPlainF5Starts) {
    const struct {
        const char* name;
        std::size_t bytes;
        std::time_t modified;
    } files[] = {{"A.mp3", 20, 1704888000},   // 10 Jan 2024
                 {"b.mp3", 20, 1675252800},   // 1 Feb 2023
                 {"c.mp3", 300, 1764504000},  // 30 Nov 2025
                 {"d.mp3", 0, 1733486400}};   // 6 Dec 2024
    for (const auto& file : files) {
        const std::string path = Path("Music/") + file.name;
        WriteFile(path, std::string(file.bytes, 'x'));
        std::filesystem::last_write_time(
            FsPath(path), std::chrono::file_clock::from_sys(
                              std::chrono::sys_seconds(std::chrono::seconds(file.modified))));
    }
    std::filesystem::create_directories(Path("Music/e.mp3"));  // size -1, modified now
    auto window = Open();
    FileListView& list = *window->lvwMP3List;
    const Strings up = {"A.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"}, down(up.rbegin(), up.rend());
    EXPECT_EQ(Names(list), up);
    // Name sorts from the start; another column starts ascending; ties read A to Z both ways.
    const std::pair<int, Strings> clicks[] = {{0, down},
                                              {1, {"e.mp3", "d.mp3", "A.mp3", "b.mp3", "c.mp3"}},
                                              {1, {"c.mp3", "A.mp3", "b.mp3", "d.mp3", "e.mp3"}},
                                              {2, {"b.mp3", "A.mp3", "d.mp3", "c.mp3", "e.mp3"}},
                                              {0, up},
                                              {0, down}};
    for (const auto& [section, order] : clicks) {
        emit list.header()->sectionClicked(section);
        EXPECT_EQ(Names(list), order) << section;
    }
    WriteFile(Path("Music/B2.mp3"), "");
    WriteFile(Path("Game/music/new.bmu"), "");
    QTest::keyClick(&list, Qt::Key_F5, Qt::ShiftModifier);
    QTest::keyClick(&list, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(Names(list), down);
    QTest::keyClick(&list, Qt::Key_F5);
    EXPECT_EQ(Names(list), (Strings{"e.mp3", "d.mp3", "c.mp3", "B2.mp3", "b.mp3", "A.mp3"}));
    EXPECT_EQ(window->lvwBMUList->topLevelItemCount(), 0);
    QTest::keyClick(window->lvwBMUList, Qt::Key_F5);
    EXPECT_EQ(Names(*window->lvwBMUList), Strings{"new.bmu"});
}

TEST_F(Lists, UserSelectionEnablesConvertingButCodeSelectionDoesNot) {
    for (const char* file : {"Music/a.mp3", "Music/b.mp3", "Game/music/a.bmu"})
        WriteFile(Path(file), "");
    auto window = Open();
    window->show();
    FileListView &mp3s = *window->lvwMP3List, &bmus = *window->lvwBMUList;
    mp3s.selectAll();
    window->findChild<QPushButton*>("cmdMP3Refresh")->click();
    EXPECT_EQ(Names(mp3s, true).size(), 0u);
    EXPECT_FALSE(window->cmdConvertToBMU->isEnabled());
    EXPECT_FALSE(window->cmdConvertToMP3->isEnabled());

    mp3s.setFocus();
    mp3s.setCurrentItem(nullptr);
    QTest::keyClick(&mp3s, Qt::Key_Down);
    EXPECT_EQ(Names(mp3s, true).size(), 1u);
    EXPECT_TRUE(window->cmdConvertToBMU->isEnabled());
    QTest::mouseClick(bmus.viewport(), Qt::LeftButton, Qt::NoModifier,
                      bmus.visualItemRect(bmus.topLevelItem(0)).center());
    EXPECT_TRUE(window->cmdConvertToMP3->isEnabled());
    QTest::mouseClick(mp3s.viewport(), Qt::RightButton);
    QTest::mouseClick(window->mnuPopup, Qt::LeftButton, Qt::NoModifier,
                      window->mnuPopup->actionGeometry(window->mnuPopupSelectAll).center());
    EXPECT_EQ(Names(mp3s, true).size(), 2u);
}

}  // namespace

namespace {

// The facts' columns, shown and hidden from the headings' menu (what the next session shows is
// the presenter's business): a verdict with the warning's lines as its tooltip, judged again when
// the .wav option changes, sorting by bit rate as numbers. The destination reads its BMU files
// behind the header.
TEST_F(Lists, FactsShowFromTheHeadingsMenuSortByValueAndHideThereAgain) {
    WriteFile(Path("Music/fine.mp3"), Sample("cbr128_joint.mp3"));
    WriteFile(Path("Music/mono.mp3"), Sample("cbr96_mono.mp3"));
    WriteFile(Path("Music/loud.mp3"), Sample("cbr192_joint.mp3"));
    WriteFile(Path("Game/music/mono.bmu"), "BMU V1.0" + Sample("cbr96_mono.mp3"));
    Store("BMUVerdictColHidden", "0");
    auto window = Open();
    FileListView& list = *window->lvwMP3List;
    for (int column = FileListView::LengthColumn; column < FileListView::ColumnCount; ++column)
        EXPECT_TRUE(list.isColumnHidden(column)) << column;
    emit list.header()->customContextMenuRequested({5, 5});
    const QList<QAction*> entries = window->mnuColumns->actions();
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[1]->text(), "Bit rate");
    for (QAction* entry : entries) entry->trigger();
    window->WaitForFacts(tunewrap::ListId::MP3);
    window->WaitForFacts(tunewrap::ListId::BMU);
    EXPECT_FALSE(list.isColumnHidden(FileListView::BitRateColumn));

    emit list.header()->sectionClicked(FileListView::BitRateColumn);
    EXPECT_EQ(Names(list), (Strings{"mono.mp3", "fine.mp3", "loud.mp3"}));
    const QTreeWidgetItem& mono = *list.topLevelItem(0);
    EXPECT_EQ(mono.text(FileListView::VerdictColumn), "unsuitable");
    EXPECT_EQ(list.topLevelItem(1)->text(FileListView::VerdictColumn), "suitable");
    EXPECT_EQ(mono.text(FileListView::BitRateColumn), "96 kbit/s");
    const QString reasons =
        "- Bit Rate is not 128 kbps - 96 kbps reported\n"
        "- Channel mode is not stereo";
    EXPECT_EQ(mono.toolTip(FileListView::VerdictColumn), reasons);
    // The .wav expectation judges the same facts again.
    window->chkWAVExtension->click();
    EXPECT_EQ(mono.text(FileListView::VerdictColumn), "suitable");
    const QTreeWidgetItem& bmu = *window->lvwBMUList->topLevelItem(0);
    EXPECT_EQ(bmu.text(FileListView::VerdictColumn), "unsuitable");
    EXPECT_EQ(bmu.text(FileListView::ChannelsColumn), "single channel");

    emit list.header()->customContextMenuRequested({5, 5});
    window->mnuColumns->actions()[1]->trigger();
    EXPECT_TRUE(list.isColumnHidden(FileListView::BitRateColumn));
}

}  // namespace
