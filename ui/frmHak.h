#pragma once
#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tunewrap {
class HakPlan;
}

// "Pack into hak": the songs with their game names and display names (both editable, checked as
// they are typed), the hak to write or add to, and the music table it starts from. It shows the
// plan and forwards edits to it; the plan decides what is valid.
class frmHak : public QDialog {
    Q_OBJECT
  public:
    frmHak(tunewrap::HakPlan& plan, QWidget* parent);

    QTableWidget* tblSongs;
    QLineEdit* txtHak;
    QPushButton* cmdBrowseHak;
    QLabel* lblStart;
    QPushButton* cmdTable;
    QPushButton* cmdGameTable;
    QLabel* lblProblem;
    QPushButton* cmdMake;

    // The columns of tblSongs.
    enum Column { File = 0, GameName = 1, DisplayName = 2 };

    // A cell's text as typed so far (the table's editor calls it on every key).
    void Typed(int row, int column, const QString& text);

  private:
    void ShowChecks();
    void ShowStart();

    tunewrap::HakPlan& plan_;
};
