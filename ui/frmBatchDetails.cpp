#include "frmBatchDetails.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmBatchDetails::frmBatchDetails(QWidget* owner)
    : QDialog(owner, Qt::Window), lblSummary(new QLabel(this)), lvwOutcomes(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmBatchDetails"));
    setWindowTitle(tr("Batch Details"));
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lvwOutcomes->setObjectName(QStringLiteral("lvwOutcomes"));
    lvwOutcomes->setAccessibleName(tr("Files of the last batch"));
    lvwOutcomes->setHeaderLabels({tr("File"), tr("Outcome")});
    lvwOutcomes->setRootIsDecorated(false);
    lvwOutcomes->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lvwOutcomes);
    layout->addWidget(buttons);
    // Some twenty rows of file names and reasons.
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().lineSpacing() * 24);
}

void frmBatchDetails::Fill(const tunewrap::BatchSummary& summary) {
    lblSummary->setText(QString::fromStdString(summary.line));
    lvwOutcomes->clear();
    for (const tunewrap::BatchSummary::File& file : summary.files) {
        // Names and paths are the file system's bytes.
        lvwOutcomes->addTopLevelItem(
            new QTreeWidgetItem({QFile::decodeName(QByteArray::fromStdString(file.name)),
                                 QFile::decodeName(QByteArray::fromStdString(file.outcome))}));
    }
    lvwOutcomes->resizeColumnToContents(0);
}
