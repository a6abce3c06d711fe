#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>

#include "MainWindowFixture.h"
#include "Version.h"
#include "WrapCheckBox.h"

namespace {

using Settings = MainWindowTest;

// Measured with the font and the style alone, not with the layout's own arithmetic, so that a
// layout that sizes a control too small cannot pass.
bool CaptionFits(const QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    auto fits = [&](const QString& text, const QRect& room, bool wraps) {
        if (!wraps)
            return metrics.horizontalAdvance(text) <= room.width() &&
                   metrics.height() <= room.height();
        const QRect used =
            metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text);
        return used.width() <= room.width() && used.height() <= room.height();
    };
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        return fits(box->text(), room, qobject_cast<const WrapCheckBox*>(box) != nullptr);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return fits(button->text(), room, false);
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return fits(label->text(), label->rect(), label->wordWrap());
    }
    return true;
}

// Unusable stored values give the defaults; a missing folder gives the home folder, stored at
// once, and a found game folder gives the destination, stored only at shut-down.
TEST_F(Settings, StartUpFallsBackToDefaultsAndStoresTheDateOptionAtOnceAndOnEveryChange) {
    WriteFile(Path("Game/music/a song with a rather long name.bmu"), "BMU V1.0xyz");
    const struct {
        const char *mp3Dir, *bmuDir, *location;
        std::string shownBmuDir, storedMp3Dir, storedBmuDir;
    } cases[] = {{nullptr, nullptr, nullptr, Home(), "<absent>", "<absent>"},  // first start
                 {"gone", "gone too", nullptr, Home(), Home(), Home()},
                 {"", nullptr, "no game here", Home(), Home(), Home()},
                 {"", nullptr, "Game", Path("Game") + "/music", Home(), "<absent>"}};
    std::unique_ptr<Window> window;
    for (const auto& c : cases) {
        window.reset();
        std::filesystem::remove_all(Path("home/.config"));
        if (c.mp3Dir) {
            WriteFile(SettingsFile(),
                      "[General]\nMP3FileColWidth=wide\nMP3SizeColWidth=@ByteArray(1)\n"
                      "MP3DateColWidth=-5\nWaveExtention=2\nOverwriteAll=yes\n"
                      "PreserveFileDateTime=1.0\n");
            Store("MP3Dir", c.mp3Dir[0] ? Path(c.mp3Dir) : "");
        }
        if (c.bmuDir) Store("BMUDir", Path(c.bmuDir));
        if (c.location) Store("Location", Path(c.location), mdlRegistry::kGameKey);
        window = Open();
        EXPECT_EQ(window->txtMP3Dir->text().toStdString(), Home());
        EXPECT_EQ(window->txtBMUDir->text().toStdString(), c.shownBmuDir);
        EXPECT_EQ(Stored("MP3Dir"), c.storedMp3Dir);
        EXPECT_EQ(Stored("BMUDir"), c.storedBmuDir);
        EXPECT_EQ(Stored("PreserveFileDateTime"), "1");
        EXPECT_EQ(window->windowTitle().toStdString(), tunewrap::VersionTitle());
        EXPECT_FALSE(window->chkWAVExtension->isChecked() || window->chkOverwriteAll->isChecked() ||
                     window->chkReencodeUnsuitable->isChecked());
        EXPECT_TRUE(window->chkPreserveFileDateTime->isChecked());
        const int designed[] = {3510, 1050, 1830};  // twips, the list being 5295 wide
        for (int column = 0; column < 3; ++column) {
            EXPECT_NEAR(window->lvwMP3List->columnWidth(column),
                        std::lround(designed[column] * window->lvwMP3List->width() / 5295.0), 1);
        }
    }
    const FileListView& list = *window->lvwBMUList;  // the name column fits the names listed
    const int text = list.fontMetrics().horizontalAdvance(list.topLevelItem(0)->text(0));
    EXPECT_TRUE(list.columnWidth(0) >= text && list.columnWidth(0) < text + 40);
    window->chkPreserveFileDateTime->click();
    EXPECT_EQ(Stored("PreserveFileDateTime"), "0");
}

TEST_F(Settings, StoredSettingsAreRestoredWithoutWritingAndOnlyChangesAreSavedBack) {
    StoreDirectories();
    const char* stored[][2] = {{"MP3FileColWidth", "1049.953"}, {"MP3SizeColWidth", "1050"},
                               {"MP3DateColWidth", "1830"},     {"BMUFileColWidth", "2000"},
                               {"BMUSizeColWidth", "0"},        {"BMUDateColWidth", "3000"},
                               {"WaveExtention", "1"},          {"OverwriteAll", "1"},
                               {"PreserveFileDateTime", "0"},   {"ReencodeUnsuitable", "1"}};
    for (const auto& [name, value] : stored) Store(name, value);
    const std::string before = ReadFile(SettingsFile());

    auto window = Open();
    EXPECT_EQ(ReadFile(SettingsFile()), before);
    EXPECT_TRUE(window->chkWAVExtension->isChecked() && window->chkOverwriteAll->isChecked() &&
                window->chkReencodeUnsuitable->isChecked());
    EXPECT_FALSE(window->chkPreserveFileDateTime->isChecked());
    EXPECT_EQ(window->lvwBMUList->columnWidth(1), 0);
    window->txtMP3Dir->clear();  // an empty box keeps the stored folder
    window->txtBMUDir->setText("/typed/elsewhere");
    window->lvwMP3List->setColumnWidth(2, 0);
    window->chkOverwriteAll->setChecked(false);
    window->chkReencodeUnsuitable->setChecked(false);
    window->close();
    stored[2][1] = stored[7][1] = stored[9][1] = "0";
    for (const auto& [name, value] : stored) EXPECT_EQ(Stored(name), value) << name;
    EXPECT_EQ(Stored("MP3Dir"), Path("Music"));
    EXPECT_EQ(Stored("BMUDir"), "/typed/elsewhere");
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
    }
    QApplication::setFont(original);
}

// Every control a user can reach has a name a screen reader can say.
TEST_F(Settings, EveryInteractiveControlHasAnAccessibleName) {
    auto window = Open();
    window->show();
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window.get())};
    int checked = 0;
    while (!pending.empty()) {
        QAccessibleInterface* item = pending.back();
        pending.pop_back();
        for (int i = 0; i < item->childCount(); ++i) pending.push_back(item->child(i));
        static const QAccessible::Role kInteractive[] = {
            QAccessible::PushButton, QAccessible::CheckBox, QAccessible::EditableText,
            QAccessible::List,       QAccessible::Table,    QAccessible::Tree};
        if (std::find(std::begin(kInteractive), std::end(kInteractive), item->role()) ==
                std::end(kInteractive) ||
            !item->object() || !item->object()->isWidgetType())
            continue;
        ++checked;
        EXPECT_FALSE(item->text(QAccessible::Name).trimmed().isEmpty())
            << item->object()->objectName().toStdString();
    }
    EXPECT_GE(checked, 14);
}

}  // namespace
