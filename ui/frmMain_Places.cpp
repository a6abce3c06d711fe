// Where the window and its lists' columns stand, as the presenter restores and stores them.
#include <QGuiApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "WindowGeometry.h"
#include "frmMain.h"

using tunewrap::ListColumn;
using tunewrap::ListId;

namespace {

// The width the list shows its columns in: inside its frame, and beside its scroll bar when the
// rows need one.
int ColumnsRoom(const FileListView& list) {
    int available = list.width() - 2 * list.frameWidth();
    const int rowsHeight = list.topLevelItemCount() * list.sizeHintForRow(0);
    if (rowsHeight > list.height() - list.header()->sizeHint().height()) {
        available -= list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    }
    return available;
}

void FitColumn(FileListView& list, int column) {
    list.resizeColumnToContents(column);
    if (column != FileListView::DateColumn) return;
    // The last column takes up whatever the list has left, as the list control's own fitting
    // of a last column does.
    const int rest = ColumnsRoom(list) - list.columnWidth(FileListView::NameColumn) -
                     list.columnWidth(FileListView::SizeColumn);
    if (rest > list.columnWidth(column)) list.setColumnWidth(column, rest);
}

}  // namespace

int frmMain::SetColumnWidth(ListId id, ListColumn column, std::optional<float> twips) {
    FileListView& list = List(id);
    const int index = static_cast<int>(column);
    const QScopedValueRollback sizing(sizingColumns_, true);
    twips ? list.setColumnWidth(index, scale_.ToPixelsX(*twips)) : FitColumn(list, index);
    return list.columnWidth(index);
}

// The estimate the list makes for a large folder, not Qt's fitting, which lays out every row.
tunewrap::ColumnRoom frmMain::ColumnNeeds(ListId id, ListColumn column) {
    const FileListView& list = List(id);
    const int index = static_cast<int>(column);
    return {std::max(list.sizeHintForColumn(index), list.header()->sectionSizeHint(index)),
            ColumnsRoom(list)};
}

void frmMain::SetColumnPixels(ListId list, ListColumn column, int pixels) {
    const QScopedValueRollback sizing(sizingColumns_, true);
    List(list).setColumnWidth(static_cast<int>(column), pixels);
}

tunewrap::ColumnWidth frmMain::CurrentColumnWidth(ListId list, ListColumn column) {
    const int pixels = List(list).columnWidth(static_cast<int>(column));
    return {pixels, static_cast<float>(scale_.ToTwipsX(pixels))};
}

void frmMain::PlaceWindow(const std::optional<tunewrap::WindowPlace>& stored) {
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

tunewrap::WindowPlace frmMain::CurrentPlace() {
    const QRect normal = normalGeometry();
    return {normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()};
}
