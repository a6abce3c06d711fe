#pragma once
#include <QDialog>

#include "MainView.h"

class QLabel;
class QTreeWidget;

// Each file of the last batch with what became of it, opened from the summary line below the
// lists. It stays beside the main window, not over it, and the next batch's summary replaces
// what it lists.
class frmBatchDetails : public QDialog {
    Q_OBJECT
  public:
    explicit frmBatchDetails(QWidget* owner);

    void Fill(const tunewrap::BatchSummary& summary);

  private:
    QLabel* lblSummary;
    QTreeWidget* lvwOutcomes;
};
