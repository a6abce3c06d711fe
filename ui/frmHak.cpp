#include "frmHak.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "HakPlan.h"

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Edits a name cell in a line edit that reports every key, so a name is checked as it is typed.
class TypedDelegate : public QStyledItemDelegate {
  public:
    explicit TypedDelegate(frmHak& dialog) : QStyledItemDelegate(&dialog), dialog_(dialog) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor != nullptr) {
            QObject::connect(editor, &QLineEdit::textEdited, &dialog_,
                             [this, index](const QString& text) {
                                 dialog_.Typed(index.row(), index.column(), text);
                             });
        }
        return editor;
    }
    // The marks set on a cell while it is typed in would put its old text back into the editor.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line == nullptr || !line->isModified())
            QStyledItemDelegate::setEditorData(editor, index);
    }

  private:
    frmHak& dialog_;
};

}  // namespace

frmHak::frmHak(tunewrap::HakPlan& plan, QWidget* parent) : QDialog(parent), plan_(plan) {
    setObjectName(QStringLiteral("frmHak"));
    setWindowTitle(tr("Pack into hak"));
    auto* intro =
        new QLabel(tr("Each song goes into the hak under its game name, with a row in the "
                      "game's music table; the toolset lists it under its display name."),
                   this);
    intro->setWordWrap(true);

    tblSongs = new QTableWidget(static_cast<int>(plan.TrackCount()), 3, this);
    tblSongs->setObjectName(QStringLiteral("tblSongs"));
    tblSongs->setAccessibleName(tr("Songs"));
    tblSongs->setHorizontalHeaderLabels({tr("File"), tr("Game name"), tr("Display name")});
    tblSongs->verticalHeader()->hide();
    tblSongs->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblSongs->horizontalHeader()->setStretchLastSection(true);
    tblSongs->setItemDelegate(new TypedDelegate(*this));
    for (int row = 0; row < tblSongs->rowCount(); ++row) {
        const tunewrap::game::HakTrack& track = plan.Track(static_cast<std::size_t>(row));
        auto* file = new QTableWidgetItem(QFileInfo(Text(track.sourcePath)).fileName());
        file->setFlags(file->flags() & ~Qt::ItemIsEditable);
        file->setToolTip(Text(track.sourcePath));
        tblSongs->setItem(row, File, file);
        tblSongs->setItem(row, GameName, new QTableWidgetItem(Text(track.resRef)));
        tblSongs->setItem(row, DisplayName, new QTableWidgetItem(Text(track.displayName)));
    }
    tblSongs->resizeColumnsToContents();
    // A cell left without a key per character (pasted, dropped) is checked when it is left.
    connect(tblSongs, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != File) Typed(item->row(), item->column(), item->text());
    });

    auto* hakLabel = new QLabel(tr("&Hak:"), this);
    txtHak = new QLineEdit(Text(plan.HakPath()), this);
    txtHak->setObjectName(QStringLiteral("txtHak"));
    hakLabel->setBuddy(txtHak);
    cmdBrowseHak = new QPushButton(QStringLiteral("..."), this);
    cmdBrowseHak->setAccessibleName(tr("Browse for the hak"));
    lblStart = new QLabel(this);
    lblStart->setObjectName(QStringLiteral("lblStart"));
    lblStart->setWordWrap(true);
    lblStart->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdTable = new QPushButton(tr("Music &table..."), this);
    cmdGameTable = new QPushButton(tr("Hak's or &game's table"), this);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cmdMake = buttons->addButton(tr("&Make"), QDialogButtonBox::AcceptRole);
    cmdMake->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtHak, &QLineEdit::editingFinished, this, [this] {
        plan_.SetHakPath(txtHak->text().toStdString());
        ShowStart();
    });
    connect(cmdBrowseHak, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Hak to write or add to"), txtHak->text(), tr("Hak packs (*.hak)"), nullptr,
            QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty()) return;
        txtHak->setText(path);
        plan_.SetHakPath(path.toStdString());
        ShowStart();
    });
    connect(cmdTable, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Music table to start from"),
                                         Text(plan_.TablePath()), tr("2DA tables (*.2da)"));
        if (path.isEmpty()) return;
        plan_.SetTablePath(path.toStdString());
        ShowStart();
    });
    connect(cmdGameTable, &QPushButton::clicked, this, [this] {
        plan_.SetTablePath({});
        ShowStart();
    });

    auto* hakRow = new QHBoxLayout;
    hakRow->addWidget(hakLabel);
    hakRow->addWidget(txtHak, 1);
    hakRow->addWidget(cmdBrowseHak);
    auto* tableRow = new QHBoxLayout;
    tableRow->addStretch(1);
    tableRow->addWidget(cmdTable);
    tableRow->addWidget(cmdGameTable);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(tblSongs, 1);
    column->addLayout(hakRow);
    column->addWidget(lblStart);
    column->addLayout(tableRow);
    column->addWidget(lblProblem);
    column->addWidget(buttons);
    resize(640, 420);
    ShowStart();
}

void frmHak::Typed(int row, int column, const QString& text) {
    const auto track = static_cast<std::size_t>(row);
    column == GameName ? plan_.SetName(track, text.toStdString())
                       : plan_.SetDisplayName(track, text.toStdString());
    ShowChecks();
}

void frmHak::ShowStart() {
    lblStart->setText(Text(plan_.StartText()));
    ShowChecks();
}

// Each cell the plan finds fault with carries a warning mark and the reason, seen and heard; the
// first reason stands below the table.
void frmHak::ShowChecks() {
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QString first;
    const QSignalBlocker quiet(tblSongs);
    for (int row = 0; row < tblSongs->rowCount(); ++row) {
        const auto track = static_cast<std::size_t>(row);
        for (const auto& [column, problem] :
             {std::pair{GameName, plan_.NameProblem(track)},
              std::pair{DisplayName, plan_.DisplayNameProblem(track)}}) {
            QTableWidgetItem* item = tblSongs->item(row, column);
            item->setIcon(problem.empty() ? QIcon() : warning);
            item->setToolTip(Text(problem));
            item->setData(Qt::AccessibleDescriptionRole, Text(problem));
            if (first.isEmpty() && !problem.empty())
                first = tr("%1: %2").arg(tblSongs->item(row, File)->text(), Text(problem));
        }
    }
    lblProblem->setText(first);
    cmdMake->setEnabled(plan_.CanMake());
}
