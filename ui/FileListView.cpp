#include "FileListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class FileRow : public QTreeWidgetItem {
  public:
    explicit FileRow(const QStringList& texts) : QTreeWidgetItem(texts) {}

    QVariant data(int column, int role) const override {
        if (role == Qt::TextAlignmentRole) return AlignmentOf(column);
        return QTreeWidgetItem::data(column, role);
    }

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }

    static QVariant AlignmentOf(int column) {
        const Qt::Alignment horizontal =
            column == FileListView::SizeColumn ? Qt::AlignRight : Qt::AlignLeft;
        return QVariant::fromValue(Qt::Alignment(horizontal | Qt::AlignVCenter));
    }
};

}  // namespace

FileListView::FileListView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Modified")});
    for (int column = NameColumn; column <= DateColumn; ++column) {
        headerItem()->setData(column, Qt::TextAlignmentRole, FileRow::AlignmentOf(column));
    }
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(sortKey_, Qt::AscendingOrder);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int section) { emit ColumnClick(section + 1); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (userInput_) userChangedSelection_ = true;
    });
}

void FileListView::SetSort(int key, int order) {
    sortKey_ = key;
    sortOrder_ = order == 0 ? 0 : 1;
    ApplySort();
}

void FileListView::ApplySort() {
    sortItems(sortKey_, sortOrder_ == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QTreeWidgetItem* FileListView::NewRow(const std::string& fileName, const QString& size,
                                      const QString& date) {
    const QString shown = QString::fromStdString(fileName);
    auto* row = new FileRow({shown, size, date});
    // Names that are not valid UTF-8 show with replacement characters; keep the real bytes so
    // the batch jobs can still open the file.
    if (shown.toStdString() != fileName) {
        row->setData(NameColumn, Qt::UserRole, QByteArray::fromStdString(fileName));
    }
    return row;
}

std::string FileListView::FileName(const QTreeWidgetItem& row) {
    const QVariant raw = row.data(NameColumn, Qt::UserRole);
    return raw.isValid() ? raw.toByteArray().toStdString() : row.text(NameColumn).toStdString();
}

template <typename Handle>
void FileListView::AsUserInput(Handle handle, bool clickedItem) {
    userInput_ = true;
    userChangedSelection_ = false;
    handle();
    userInput_ = false;
    if (clickedItem || userChangedSelection_) emit ItemClick();
}

void FileListView::keyPressEvent(QKeyEvent* event) {
    // Select-all by key and item editing are not commands of these lists.
    if (event->matches(QKeySequence::SelectAll)) {
        event->ignore();
        return;
    }
    AsUserInput([&] { QTreeWidget::keyPressEvent(event); }, false);
}

void FileListView::keyReleaseEvent(QKeyEvent* event) {
    QTreeWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) emit KeyUp(event->key(), event->modifiers());
}

void FileListView::mousePressEvent(QMouseEvent* event) {
    const bool onItem =
        event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr;
    AsUserInput([&] { QTreeWidget::mousePressEvent(event); }, onItem);
}

void FileListView::mouseMoveEvent(QMouseEvent* event) {
    AsUserInput([&] { QTreeWidget::mouseMoveEvent(event); }, false);
}

void FileListView::mouseReleaseEvent(QMouseEvent* event) {
    AsUserInput([&] { QTreeWidget::mouseReleaseEvent(event); }, false);
    emit MouseUp(event->button(), event->globalPosition().toPoint());
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event) {
    AsUserInput([&] { QTreeWidget::mouseDoubleClickEvent(event); }, false);
}
