#include "FileListView.h"

#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>
#include <algorithm>
#include <compare>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "FileListText.h"

namespace {

constexpr int kFirstFact = FileListView::LengthColumn;
constexpr int kFacts = tunewrap::kFactColumnCount;
static_assert(kFirstFact + kFacts == FileListView::ColumnCount);
const char* const kHeadings[] = {
    QT_TRANSLATE_NOOP("FileListView", "Name"),     QT_TRANSLATE_NOOP("FileListView", "Size"),
    QT_TRANSLATE_NOOP("FileListView", "Modified"), QT_TRANSLATE_NOOP("FileListView", "Length"),
    QT_TRANSLATE_NOOP("FileListView", "Bit rate"), QT_TRANSLATE_NOOP("FileListView", "kHz"),
    QT_TRANSLATE_NOOP("FileListView", "Channels"), QT_TRANSLATE_NOOP("FileListView", "Verdict")};
static_assert(std::size(kHeadings) == FileListView::ColumnCount);
constexpr bool kRightAligned[] = {false, true, false, true, true, true, false, false};

// What a row shows of its audio once read: the cells' texts and sort values kept with the facts
// they came from, so a change of expectation judges them again without reading the file.
struct RowFacts {
    tunewrap::AudioFacts facts;
    std::array<QString, kFacts> texts;
    std::array<double, kFacts> keys;
    QString reasons;
};

// A folder's songs share a few dozen distinct fact texts: each row keeps a shared copy, not one of
// its own (a third of what the facts of a large folder cost in memory).
QString Shared(const std::string& text) {
    static QSet<QString> known;
    const QString fresh = QString::fromStdString(text);
    auto found = known.constFind(fresh);
    if (found == known.cend()) found = known.insert(fresh);
    return *found;
}

// Lists up to this long are fitted by laying out every row; longer ones by their widest rows.
constexpr int kRowsMeasured = 64;

// A row keeps the values behind its Size and Modified texts, so those columns sort by bytes and
// time; the texts alone would put 10 Jan 2024 before 6 Dec 2023. It keeps its name too (shared
// with the shown text, so no copy): asking the item for it would build a QVariant per comparison.
// The name is also kept case-folded once: folding inside every comparison was a third of the
// instructions a large folder's start-up ran. A name without capitals shares the shown text.
class FileRow : public QTreeWidgetItem {
  public:
    FileRow(const QStringList& texts, std::int64_t bytes, std::int64_t modified)
        : QTreeWidgetItem(texts),
          name_(texts.value(FileListView::NameColumn)),
          folded_(name_.toCaseFolded()),
          bytes_(bytes),
          modified_(modified) {}

    QVariant data(int column, int role) const override {
        if (role == Qt::TextAlignmentRole) return AlignmentOf(column);
        // The padding that right-aligns sizes is for the eye; a screen reader says the number.
        if (role == Qt::AccessibleTextRole && column == FileListView::SizeColumn) {
            return text(column).trimmed();
        }
        if (column >= kFirstFact && facts_) {
            if (role == Qt::DisplayRole) return facts_->texts[column - kFirstFact];
            const bool reasons = role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole;
            if (reasons && column == FileListView::VerdictColumn && !facts_->reasons.isEmpty())
                return facts_->reasons;
        }
        return QTreeWidgetItem::data(column, role);
    }

    // Without a change signal: a row's signal costs more than its facts, and the list repaints
    // once for a batch (FactsReader).
    void SetFacts(std::unique_ptr<RowFacts> facts) { facts_ = std::move(facts); }
    const RowFacts* Facts() const { return facts_.get(); }

    bool operator<(const QTreeWidgetItem& base) const override {
        const auto& other = static_cast<const FileRow&>(base);
        const auto* list = static_cast<const FileListView*>(treeWidget());
        const int key = list != nullptr ? list->SortKey() : FileListView::NameColumn;
        const std::partial_ordering byKey =
            key == FileListView::SizeColumn   ? bytes_ <=> other.bytes_
            : key == FileListView::DateColumn ? modified_ <=> other.modified_
            : key >= kFirstFact               ? FactKey(key) <=> other.FactKey(key)
                                              : std::partial_ordering::equivalent;
        if (byKey != 0) return byKey < 0;
        // The list reverses this answer when it runs descending; ties still read A to Z.
        const int byName = CompareNames(other);
        const bool descending = list != nullptr && list->SortOrder() != 0;
        return key != FileListView::NameColumn && descending ? byName > 0 : byName < 0;
    }

    static QVariant AlignmentOf(int column) {
        const Qt::Alignment horizontal = kRightAligned[column] ? Qt::AlignRight : Qt::AlignLeft;
        return QVariant::fromValue(Qt::Alignment(horizontal | Qt::AlignVCenter));
    }

  private:
    double FactKey(int column) const { return facts_ ? facts_->keys[column - kFirstFact] : -1.0; }

    int CompareNames(const FileRow& other) const {
        const int folded = folded_.compare(other.folded_, Qt::CaseSensitive);
        return folded != 0 ? folded : name_.compare(other.name_, Qt::CaseSensitive);
    }

    QString name_;
    QString folded_;
    std::int64_t bytes_;
    std::int64_t modified_;
    std::unique_ptr<RowFacts> facts_;
};

}  // namespace

FileListView::FileListView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(ColumnCount);
    for (int column = NameColumn; column < ColumnCount; ++column) {
        headerItem()->setText(column, tr(kHeadings[column]));
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
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& at) { emit HeaderMenu(header()->mapToGlobal(at)); });
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

QTreeWidgetItem* FileListView::NewRow(const std::string& fileName, std::int64_t bytes,
                                      std::int64_t modifiedSecondsSinceEpoch, FileListText& texts) {
    const QString shown = QString::fromStdString(fileName);
    auto* row =
        new FileRow({shown, texts.SizeText(bytes), texts.DateText(modifiedSecondsSinceEpoch)},
                    bytes, modifiedSecondsSinceEpoch);
    // Names that are not valid UTF-8 show with replacement characters; keep the real bytes so
    // the batch jobs can still open the file. An all-ASCII name needs no check.
    const bool ascii =
        std::all_of(fileName.begin(), fileName.end(), [](unsigned char c) { return c < 0x80; });
    if (!ascii && shown.toStdString() != fileName) {
        row->setData(NameColumn, Qt::UserRole, QByteArray::fromStdString(fileName));
    }
    return row;
}

std::string FileListView::FileName(const QTreeWidgetItem& row) {
    const QVariant raw = row.data(NameColumn, Qt::UserRole);
    return raw.isValid() ? raw.toByteArray().toStdString() : row.text(NameColumn).toStdString();
}

void FileListView::SetFacts(QTreeWidgetItem& row, const tunewrap::AudioFacts& facts,
                            bool renameWav) {
    auto shown = std::make_unique<RowFacts>();
    shown->facts = facts;
    const tunewrap::Verdict verdict = tunewrap::Judge(FileName(row), facts, renameWav);
    for (int i = 0; i < kFacts; ++i) {
        const auto column = static_cast<tunewrap::FactColumn>(i);
        shown->texts[i] = Shared(tunewrap::FactText(facts, verdict, column));
        shown->keys[i] = tunewrap::FactKey(facts, verdict, column);
    }
    shown->reasons = Shared(tunewrap::JoinLines(verdict.lines, "\n"));
    static_cast<FileRow&>(row).SetFacts(std::move(shown));
}

const tunewrap::AudioFacts* FileListView::Facts(const QTreeWidgetItem& row) {
    const RowFacts* shown = static_cast<const FileRow&>(row).Facts();
    return shown != nullptr ? &shown->facts : nullptr;
}

int FileListView::sizeHintForColumn(int column) const {
    const int rows = topLevelItemCount();
    if (rows <= kRowsMeasured) return QTreeWidget::sizeHintForColumn(column);
    // Laying out one text costs as much as listing its file, so a large list estimates each text
    // from its characters' advances, measured once each, and lays out only the widest estimates
    // (kerning and joined letters make the estimate a little off, never by a whole row's rank).
    const QFontMetrics metrics(font());
    // Most names use a few dozen characters of the Basic Multilingual Plane: those look up
    // their advance by their code, the rare others in a map. 0 is "not measured yet" in both
    // (a mark of no width is measured again each time, which costs only time).
    std::vector<int> basicAdvances(0x10000);
    QHash<char32_t, int> otherAdvances;
    const auto advanceOf = [&](char32_t point) {
        int& known = point < basicAdvances.size() ? basicAdvances[point] : otherAdvances[point];
        if (known == 0) known = metrics.horizontalAdvance(QString::fromUcs4(&point, 1));
        return known;
    };
    std::vector<std::pair<int, int>> estimates;  // estimated width, row
    estimates.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        const QString text = topLevelItem(row)->text(column);
        int width = 0;
        for (qsizetype at = 0; at < text.size(); ++at) {
            char32_t point = text[at].unicode();
            if (text[at].isHighSurrogate() && at + 1 < text.size() &&
                text[at + 1].isLowSurrogate()) {
                point = QChar::surrogateToUcs4(text[at], text[at + 1]);
                ++at;
            }
            width += advanceOf(point);
        }
        estimates.emplace_back(width, row);
    }
    const auto widest = estimates.begin() + kRowsMeasured;
    std::partial_sort(estimates.begin(), widest, estimates.end(), std::greater<>());
    int hint = 0;
    for (auto candidate = estimates.begin(); candidate != widest; ++candidate) {
        const QModelIndex cell = indexFromItem(topLevelItem(candidate->second), column);
        hint = std::max(hint, sizeHintForIndex(cell).width());
    }
    return hint;
}

template <typename Handle>
void FileListView::AsUserInput(Handle handle, bool clickedItem) {
    userInput_ = true;
    userChangedSelection_ = false;
    handle();
    userInput_ = false;
    if (clickedItem || userChangedSelection_) emit ItemClick();
}

bool FileListView::OpensMenu(const QKeyEvent& event) const {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

void FileListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        emit SelectAllKey();
    } else if (event->key() == Qt::Key_Delete &&
               (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit DeleteKey();
    } else if (OpensMenu(*event)) {
        QPoint at;
        if (currentIndex().isValid()) {
            scrollTo(currentIndex());
            at = visualRect(currentIndex()).center();
        }
        emit MenuKey(viewport()->mapToGlobal(at));
    } else {
        AsUserInput([&] { QTreeWidget::keyPressEvent(event); }, false);
    }
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
