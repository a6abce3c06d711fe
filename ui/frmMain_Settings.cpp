// Start-up and shut-down: what the window remembers between runs.
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <charconv>
#include <cmath>

#include "FileIo.h"
#include "PathJoin.h"
#include "Version.h"
#include "WindowGeometry.h"
#include "frmMain.h"
#include "mdlRegistry.h"
#include "mdlString.h"

namespace {

using mdlRegistry::HKEY_LOCAL_MACHINE;

struct ColumnSetting {
    const char* valueName;
    tunewrap::ListId list;
    int column;
    int designedTwips;
};

constexpr std::array<ColumnSetting, 6> kColumns = {{
    {"MP3FileColWidth", tunewrap::ListId::MP3, FileListView::NameColumn, 3510},
    {"MP3SizeColWidth", tunewrap::ListId::MP3, FileListView::SizeColumn, 1050},
    {"MP3DateColWidth", tunewrap::ListId::MP3, FileListView::DateColumn, 1830},
    {"BMUFileColWidth", tunewrap::ListId::BMU, FileListView::NameColumn, 1890},
    {"BMUSizeColWidth", tunewrap::ListId::BMU, FileListView::SizeColumn, 1050},
    {"BMUDateColWidth", tunewrap::ListId::BMU, FileListView::DateColumn, 1830},
}};

constexpr float kLargestWidthTwips = 1.0e6f;

std::string ReadSetting(const char* valueName) {
    std::string text;
    mdlRegistry::ReadRegString(HKEY_LOCAL_MACHINE, mdlRegistry::kProgramKey, valueName, text);
    return text;
}

void WriteSetting(const char* valueName, const std::string& text) {
    mdlRegistry::WriteRegString(HKEY_LOCAL_MACHINE, mdlRegistry::kProgramKey, valueName, text);
}

std::string HomeDirectory() {
    return QDir::homePath().toStdString();
}

std::string WithSeparator(const std::string& dir) {
    return !dir.empty() && dir.back() == platform::kPathSeparator ? dir
                                                                  : dir + platform::kPathSeparator;
}

// The leading number of a stored width, blanks skipped; false when the text starts with none
// or the width could not be a column's.
bool ParseWidth(const std::string& text, float& twips) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), twips);
    return error == std::errc() && end != text.data() + start && std::isfinite(twips) &&
           twips >= 0.0f && twips <= kLargestWidthTwips;
}

void FitColumn(FileListView& list, int column) {
    list.resizeColumnToContents(column);
    if (column != FileListView::DateColumn) return;
    // The last column takes up whatever the list has left, as the list control's own fitting
    // of a last column does.
    int available = list.width() - 2 * list.frameWidth();
    const int rowsHeight = list.topLevelItemCount() * list.sizeHintForRow(0);
    if (rowsHeight > list.height() - list.header()->sizeHint().height()) {
        available -= list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    }
    const int rest = available - list.columnWidth(FileListView::NameColumn) -
                     list.columnWidth(FileListView::SizeColumn);
    if (rest > list.columnWidth(column)) list.setColumnWidth(column, rest);
}

// A directory start-up cannot list gives way to the home directory, which is stored at once.
std::string ListableOrHome(const std::string& dir, const char* valueName) {
    if (platform::IsListableDirectory(dir)) return dir;
    WriteSetting(valueName, HomeDirectory());
    return HomeDirectory();
}

// Shows the directory in its box and returns it with its separator, ready for listing.
std::string Show(QLineEdit& box, const std::string& dir) {
    box.setText(QString::fromStdString(dir));
    return WithSeparator(dir);
}

bool ReadDirectory(const char* key, const char* valueName, std::string& dir) {
    return mdlRegistry::ReadRegString(HKEY_LOCAL_MACHINE, key, valueName, dir) ==
           mdlRegistry::ERROR_SUCCESS;
}

}  // namespace

void frmMain::Form_Load() {
    intMP3SortColumn = 1;
    intBMUSortColumn = 1;
    FillFileList(*lvwMP3List, SettleSourceDirectory(), "*.mp3", false);
    FillDestinationList(SettleDestinationDirectory());
    RestoreWindowGeometry();  // before the columns, which may fit the lists' width
    RestoreColumnWidths();
    RestoreOptions();
    setWindowTitle(QString::fromStdString(tunewrap::VersionTitle()));
}

// "C:\" of the original program is the user's home directory here.
std::string frmMain::SettleSourceDirectory() {
    std::string stored;
    return Show(*txtMP3Dir, ReadDirectory(mdlRegistry::kProgramKey, "MP3Dir", stored)
                                ? ListableOrHome(stored, "MP3Dir")
                                : HomeDirectory());
}

std::string frmMain::SettleDestinationDirectory() {
    std::string stored, game;
    if (ReadDirectory(mdlRegistry::kProgramKey, "BMUDir", stored)) {
        return Show(*txtBMUDir, ListableOrHome(stored, "BMUDir"));
    }
    if (!ReadDirectory(mdlRegistry::kGameKey, "Location", game)) {
        return Show(*txtBMUDir, HomeDirectory());
    }
    // The music folder itself may be missing; its list is then simply empty.
    return Show(*txtBMUDir, platform::IsListableDirectory(game) ? WithSeparator(game) + "music"
                                                                : ListableOrHome(game, "BMUDir"));
}

void frmMain::RestoreWindowGeometry() {
    const std::optional<WindowGeometry> stored = ParseWindowGeometry(ReadSetting("WindowGeometry"));
    QList<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.append(primary->availableGeometry());
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) screens.append(screen->availableGeometry());
    }
    // The window manager's frame is unknown until the window is shown; the style's title bar
    // is a fair guess at it.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QMargins frame(border, border + style()->pixelMetric(QStyle::PM_TitleBarHeight), border,
                         border);
    setGeometry(StartingPlace(stored, designedSize_, minimumSize(), screens, frame));
    PlaceControls();  // a hidden window hears of its new size only when it is shown
    if (stored && stored->maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::SaveWindowGeometry() {
    WriteSetting("WindowGeometry", WindowGeometryText({normalGeometry(), isMaximized()}));
}

void frmMain::RestoreColumnWidths() {
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const ColumnSetting& setting = kColumns[i];
        FileListView& list = List(setting.list);
        float twips = 0.0f;
        if (ParseWidth(ReadSetting(setting.valueName), twips)) {
            list.setColumnWidth(setting.column, scale_.ToPixelsX(twips));
        } else if (list.topLevelItemCount() > 0) {
            FitColumn(list, setting.column);
            continue;
        } else {
            twips = static_cast<float>(setting.designedTwips);
            list.setColumnWidth(setting.column, scale_.ToPixelsX(twips));
        }
        storedWidths_[i] = {twips, list.columnWidth(setting.column)};
    }
}

std::array<std::pair<const char*, QCheckBox*>, 4> frmMain::OptionSettings() const {
    return {{
        {"WaveExtention", chkWAVExtension},
        {"OverwriteAll", chkOverwriteAll},
        {"PreserveFileDateTime", chkPreserveFileDateTime},
        {"ReencodeUnsuitable", chkReencodeUnsuitable},
    }};
}

void frmMain::RestoreOptions() {
    for (const auto& [valueName, box] : OptionSettings()) {
        const std::string text = ReadSetting(valueName);
        if (text == "0" || text == "1") {
            box->setChecked(text == "1");
        } else if (box == chkPreserveFileDateTime) {
            box->setChecked(true);  // the date/time option defaults to on
        }
    }
}

void frmMain::chkPreserveFileDateTime_Click() {
    WriteSetting("PreserveFileDateTime",
                 mdlString::TrimmedStr(std::int32_t{chkPreserveFileDateTime->isChecked() ? 1 : 0}));
}

void frmMain::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    if (!txtMP3Dir->text().isEmpty()) WriteSetting("MP3Dir", txtMP3Dir->text().toStdString());
    if (!txtBMUDir->text().isEmpty()) WriteSetting("BMUDir", txtBMUDir->text().toStdString());
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const ColumnSetting& setting = kColumns[i];
        const int pixels = List(setting.list).columnWidth(setting.column);
        const float twips = pixels == storedWidths_[i].pixels
                                ? storedWidths_[i].twips
                                : static_cast<float>(scale_.ToTwipsX(pixels));
        WriteSetting(setting.valueName, mdlString::TrimmedStr(twips));
    }
    for (const auto& [valueName, box] : OptionSettings()) {
        WriteSetting(valueName, mdlString::TrimmedStr(std::int32_t{box->isChecked() ? 1 : 0}));
    }
    SaveWindowGeometry();
}
