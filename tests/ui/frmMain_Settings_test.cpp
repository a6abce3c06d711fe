#include <QAccessible>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <set>

#include "Languages.h"
#include "MainWindowFixture.h"
#include "WindowGeometry.h"
#include "WrapCheckBox.h"
#include "common/ChildProcess.h"

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
    const bool box = qobject_cast<const QCheckBox*>(control);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control);
        button && (box || qobject_cast<const QPushButton*>(control))) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        return fits(QString(button->text()).remove('&'), room,
                    qobject_cast<const WrapCheckBox*>(control) != nullptr);
    }
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return fits(label->text(), label->rect(), label->wordWrap());
    return true;
}

// Every control inside the window, none over another (but for the pixel or two by which some
// overlap in the design), every caption whole.
void ExpectTidy(const frmMainTestAccess& window) {
    const auto& layout = window.Layout();
    for (auto placed = layout.begin(); placed != layout.end(); ++placed) {
        const QRect at = placed->widget->geometry().adjusted(0, 1, 0, -1);
        const std::string name = placed->widget->objectName().toStdString();
        EXPECT_TRUE(CaptionFits(placed->widget)) << name;
        EXPECT_TRUE(window.rect().contains(placed->widget->geometry())) << name;
        for (auto other = placed + 1; other != layout.end(); ++other)
            EXPECT_FALSE(at.intersects(other->widget->geometry().adjusted(0, 1, 0, -1)))
                << name << " " << other->widget->objectName().toStdString();
    }
}

// Where no usable width is stored, the columns take the design's, scaled to the font, in an empty
// list, and fit the names in a filled one. A click on the date option is stored at once.
TEST_F(Settings, ColumnsStartDesignedOrFittedAndTheTitleNamesTheVersion) {
    StoreDirectories();
    WriteFile(Path("Game/music/a song with a rather long name.bmu"), "BMU V1.0xyz");
    auto window = Open();
    EXPECT_EQ(window->windowTitle().toStdString(), "Tunewrap - v0.35");
    const int designed[] = {3510, 1050, 1830};  // twips, the list being 5295 wide
    for (int column = 0; column < 3; ++column) {
        EXPECT_NEAR(window->lvwMP3List->columnWidth(column),
                    std::lround(designed[column] * window->lvwMP3List->width() / 5295.0), 1);
    }
    const FileListView& list = *window->lvwBMUList;
    const int text = list.fontMetrics().horizontalAdvance(list.topLevelItem(0)->text(0));
    EXPECT_TRUE(list.columnWidth(0) >= text && list.columnWidth(0) < text + 40);
    window->chkPreserveFileDateTime->click();
    EXPECT_EQ(Stored("PreserveFileDateTime"), "0");
}

// Widths stored under a smaller font cut the dates: a listing widens the column to them, but not
// once the user has dragged it.
TEST_F(Settings, AColumnCuttingItsTextsGrowsAtListingUnlessDragged) {
    StoreDirectories();
    WriteFile(Path("Music/a.mp3"), "x");
    Store("MP3DateColWidth", "600");
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSize(12);
    QApplication::setFont(large);
    auto window = Open();
    FileListView& list = *window->lvwMP3List;
    const QString date = list.topLevelItem(0)->text(FileListView::DateColumn);
    EXPECT_GT(list.columnWidth(FileListView::DateColumn),
              list.fontMetrics().horizontalAdvance(date));
    list.header()->resizeSection(FileListView::DateColumn, 50);  // as a drag does
    window->cmdMP3Refresh_Click();
    EXPECT_EQ(list.columnWidth(FileListView::DateColumn), 50);
    QApplication::setFont(original);
}

// With the default font the resizing test below checks them, down to the smallest window.
TEST_F(Settings, EveryCaptionFitsItsControlWithALargeFont) {
#ifdef _WIN32
    GTEST_SKIP()
        << "at 14 points under Wine \"rename .wav\" overlaps its neighbours: not yet fixed";
#endif
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSize(14);
    QApplication::setFont(large);
    ExpectTidy(*Open());
    QApplication::setFont(original);
}

// Each language's captions fit the places designed for the English ones, or the layout gives them
// room, at the window's smallest size; no Alt letter is used twice.
TEST_F(Settings, EveryCaptionFitsInEachLanguage) {
    for (const QString& language : languages::Available()) {
        ASSERT_TRUE(languages::Load(language));
        auto window = Open();
        window->show();
        window->resize(window->minimumSize());
        QCoreApplication::processEvents();
        SCOPED_TRACE(language.toStdString());
        ExpectTidy(*window);
        std::set<QKeySequence> letters;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const QKeySequence letter = QKeySequence::mnemonic(button->text());
            EXPECT_TRUE(letter.isEmpty() || letters.insert(letter).second)
                << button->text().toStdString();
        }
        EXPECT_EQ(letters.size(), 2 + tunewrap::kOptionCount);
    }
    languages::Load("en");
}

// Every control a user can reach has a name a screen reader can say, one of its own; a caption
// is said as shown, and its Alt letter as the control's shortcut, no letter twice. The window
// is announced as a frame, and a verdict described by the warning's lines.
TEST_F(Settings, EveryInteractiveControlHasAnAccessibleNameOfItsOwn) {
    WriteFile(Path("Music/five bytes.mp3"), "12345");
    WriteFile(Path("Music/mono.mp3"), Sample("cbr96_mono.mp3"));
    Store("MP3Dir", Path("Music"));
    Store("MP3VerdictColHidden", "0");
    auto window = Open();
    window->show();
    const QString summary = "1 converted, 0 skipped, 0 failed";
    window->ShowSummary({summary.toStdString(), {}});
    bool summaryRead = false;
    window->WaitForFacts(tunewrap::ListId::MP3);
    // A size is read as the number, without the spaces that right-align it on screen.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->lvwMP3List);
    ASSERT_TRUE(list != nullptr && list->tableInterface() != nullptr);
    QAccessibleInterface* size = list->tableInterface()->cellAt(0, FileListView::SizeColumn);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->text(QAccessible::Name), "5");
    QAccessibleInterface* verdict = list->tableInterface()->cellAt(1, FileListView::VerdictColumn);
    EXPECT_EQ(verdict->text(QAccessible::Name), "unsuitable");
    EXPECT_EQ(verdict->text(QAccessible::Description),
              "- Bit Rate is not 128 kbps - 96 kbps reported\n- Channel mode is not stereo");
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    std::vector<QAccessibleInterface*> pending{frame};
    std::set<QString> names, letters;
    int checked = 0;
    while (!pending.empty()) {
        QAccessibleInterface* item = pending.back();
        pending.pop_back();
        for (int i = 0; i < item->childCount(); ++i) pending.push_back(item->child(i));
        summaryRead |=
            item->role() == QAccessible::StaticText && item->text(QAccessible::Name) == summary;
        static const QAccessible::Role kInteractive[] = {
            QAccessible::PushButton, QAccessible::CheckBox, QAccessible::EditableText,
            QAccessible::List,       QAccessible::Table,    QAccessible::Tree};
        if (std::find(std::begin(kInteractive), std::end(kInteractive), item->role()) ==
                std::end(kInteractive) ||
            !item->object() || !item->object()->isWidgetType())
            continue;
        ++checked;
        const QString name = item->text(QAccessible::Name);
        const std::string control = item->object()->objectName().toStdString();
        EXPECT_FALSE(name.trimmed().isEmpty()) << control;
        EXPECT_TRUE(names.insert(name).second) << control;
        const auto* button = qobject_cast<const QAbstractButton*>(item->object());
        if (button == nullptr || !button->text().contains('&')) continue;
        EXPECT_EQ(name, QString(button->text()).remove('&')) << control;
        const QString letter = item->text(QAccessible::Accelerator);
        EXPECT_TRUE(letter.startsWith("Alt+") && letters.insert(letter).second) << control;
    }
    EXPECT_TRUE(summaryRead);
    EXPECT_GE(checked, 15);
    EXPECT_EQ(letters.size(), 2 + tunewrap::kOptionCount);
}

}  // namespace

// A stored place is taken only where it lies on a screen; a size no screen can hold is dropped.
TEST(WindowGeometry, StoredPlaceIsTakenWhereItFitsAndTheDesignIsShrunkToTheScreen) {
    const QList<QRect> screens = {QRect(0, 0, 1280, 770), QRect(1280, 0, 1920, 1050)};
    const QSize designed(950, 430), minimum(600, 415);
    const QMargins frame(4, 30, 4, 4);
    const struct {
        std::optional<tunewrap::WindowPlace> stored;
        QList<QRect> screens;
        QRect expected;
    } cases[] = {
        {{{100, 80, 1000, 500}}, screens, QRect(100, 80, 1000, 500)},
        {{{1500, 100, 1600, 900, true}}, screens, QRect(1500, 100, 1600, 900)},  // second screen
        {{{-2000, 80, 1000, 500}}, screens, QRect(140, 148, 1000, 500)},         // gone: centred
        {{{0, 0, 2500, 500}}, screens, QRect(165, 183, 950, 430)},               // fits no screen
        {{}, screens, QRect(165, 183, 950, 430)},
        {{}, {QRect(0, 0, 853, 533)}, QRect(4, 65, 845, 430)},  // 1280 x 800 at 150 %
        {{}, {QRect(0, 0, 500, 300)}, QRect(-50, -45, 600, 415)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartingPlace(c.stored, designed, minimum, c.screens, frame), c.expected)
            << c.expected.x();
    }
}

// The panes share the extra width and the lists take the extra height; the middle column keeps
// its size between them, its lower buttons level with the lists. The place is stored on closing
// and taken again, maximised or not.
TEST_F(Settings, WindowResizesAroundItsMiddleColumnAndReopensWhereItWasClosed) {
#ifdef _WIN32
    GTEST_SKIP() << "Wine without a window manager places and frames windows its own way";
#endif
    auto window = Open();
    window->show();
    const QSize designed = window->size();
    QWidget* refresh = window->findChild<QWidget*>("cmdBMURefresh");
    std::map<QWidget*, QRect> at;
    for (const PlacedControl& placed : window->Layout())
        at[placed.widget] = placed.widget->geometry();
    EXPECT_EQ(at[window->lvwMP3List].size(), at[window->lvwBMUList].size());
    ASSERT_LT(window->minimumWidth(), designed.width());
    for (const QSize extra : {QSize(301, 200), window->minimumSize() - designed}) {
        window->resize(designed + extra);
        QCoreApplication::processEvents();
        ASSERT_EQ(window->size(), designed + extra);
        const int dx = extra.width(), left = dx / 2, dy = extra.height();
        const std::pair<QWidget*, QRect> expected[] = {
            {window->lvwMP3List, at[window->lvwMP3List].adjusted(0, 0, left, dy)},
            {window->lvwBMUList, at[window->lvwBMUList].adjusted(left, 0, dx, dy)},
            {window->txtBMUDir, at[window->txtBMUDir].adjusted(left, 0, dx, 0)},
            {window->cmdConvertToBMU, at[window->cmdConvertToBMU].translated(left, 0)},
            {window->cmdInfo, at[window->cmdInfo].translated(left, dy)},
            {refresh, at[refresh].translated(dx, 0)}};
        for (const auto& [control, rect] : expected)
            EXPECT_EQ(control->geometry(), rect) << control->objectName().toStdString();
        ExpectTidy(*window);
    }
    window->move(40, 30);
    QCoreApplication::processEvents();
    const QRect normal = window->geometry();
    window->showMaximized();
    QCoreApplication::processEvents();
    window->close();
    auto text = [&normal](bool maximised) {
        return tunewrap::WindowPlaceText(
            {normal.x(), normal.y(), normal.width(), normal.height(), maximised});
    };
    EXPECT_EQ(Stored("WindowGeometry"), text(true));
    for (const bool maximised : {true, false}) {
        Store("WindowGeometry", text(maximised));
        window = Open();
        window->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->isMaximized(), maximised);
        EXPECT_EQ(window->normalGeometry(), normal);
    }
}

// At 150 % a 1280 x 800 screen is 853 x 533 pixels to the program; the window must fit it. The
// scale is fixed when the application starts, so the check runs in a child of this test.
TEST_F(Settings, WindowFitsA1280By800ScreenAt150Percent) {
#ifdef _WIN32
    GTEST_SKIP() << "the screen of a given size is the offscreen platform's, not Windows'";
#endif
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        auto window = Open();
        window->show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(
            window->frameGeometry()));
        ExpectTidy(*window);
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1.5");
    qputenv("TUNEWRAP_TEST_SCREEN", "1280x800");
    const auto run =
        ChildProcess({std::filesystem::read_symlink("/proc/self/exe").string(),
                      "--gtest_filter=Settings.WindowFitsA1280By800ScreenAt150Percent"},
                     Path(""))
            .Wait();
    for (const char* name : {"QT_SCALE_FACTOR", "TUNEWRAP_TEST_SCREEN"}) qunsetenv(name);
    EXPECT_TRUE(run.exited && run.status == 0) << run.out << run.err;
}
