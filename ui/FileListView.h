#pragma once
#include <QPoint>
#include <QTreeWidget>
#include <cstdint>
#include <string>

#include "AudioFacts.h"

class FileListText;

// A file list in report style: columns Name, Size, Modified, then the audio facts (length, bit
// rate, kHz, channels, verdict); several rows selectable. Name sorts without regard to case, Size
// and Modified by bytes and time, the facts by their values; rows that tie keep name order.
// The sort key and order belong to the list, so they survive clearing and refilling.
class FileListView : public QTreeWidget {
    Q_OBJECT
  public:
    enum Column {
        NameColumn = 0,
        SizeColumn = 1,
        DateColumn = 2,
        LengthColumn,
        BitRateColumn,
        KilohertzColumn,
        ChannelsColumn,
        VerdictColumn,
        ColumnCount
    };

    explicit FileListView(QWidget* parent = nullptr);

    int SortKey() const { return sortKey_; }      // 0-based column
    int SortOrder() const { return sortOrder_; }  // 0 ascending, 1 descending
    void SetSort(int key, int order);             // re-sorts at once
    void ApplySort();                             // after rows were added

    // Rows are added unsorted; the caller applies the sort once the batch is in.
    static QTreeWidgetItem* NewRow(const std::string& fileName, std::int64_t bytes,
                                   std::int64_t modifiedSecondsSinceEpoch, FileListText& texts);
    // The name as the file system has it, also when it is no valid text in the user's encoding.
    static std::string FileName(const QTreeWidgetItem& row);
    // Keeps a row's audio facts, judged with the .wav expectation or the music one; the verdict's
    // reasons are its tooltip and what a screen reader describes it with. The rows repaint when
    // the list's viewport is next updated; the list is not sorted again.
    static void SetFacts(QTreeWidgetItem& row, const tunewrap::AudioFacts& facts, bool renameWav);
    static const tunewrap::AudioFacts* Facts(const QTreeWidgetItem& row);  // null before

    // The widest of all the column's rows, not of the thousand or so Qt's own fitting samples:
    // that ran the full item layout for every sampled row, a third of a large folder's start-up.
    int sizeHintForColumn(int column) const override;

  signals:
    // The user clicked an item or changed the selection with the keyboard. Selection changes
    // made by code (a refill, deselection by a batch) raise none.
    void ItemClick();
    void ColumnClick(int column1Based);
    void KeyUp(int key, Qt::KeyboardModifiers modifiers);
    void MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    // The keyboard's ways to the list commands: Delete, Ctrl+A, and the Menu key or Shift+F10,
    // which ask for the menu at the current row.
    void DeleteKey();
    void SelectAllKey();
    void MenuKey(const QPoint& globalPos);
    void HeaderMenu(const QPoint& globalPos);  // asked for over the column headings

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    template <typename Handle>
    void AsUserInput(Handle handle, bool clickedItem);

    bool OpensMenu(const QKeyEvent& event) const;

    int sortKey_ = NameColumn;
    int sortOrder_ = 0;
    bool userInput_ = false;
    bool userChangedSelection_ = false;
};
