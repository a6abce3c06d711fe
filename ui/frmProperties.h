#pragma once
#include <QDialog>
#include <string>

class QFormLayout;

// A file's properties as the program sees them: where it is, how big, when it changed and,
// for MP3 and BMU files, what the first frame headers say and whether the file suits the game.
class frmProperties : public QDialog {
    Q_OBJECT
  public:
    // renameWav picks the expectation the file is measured against, as the conversion would.
    frmProperties(QWidget* owner, const std::string& path, bool renameWav);

    // The text shown beside a caption ("Size:"); empty when the dialog has no such row.
    QString Value(const QString& caption) const;

  private:
    void AddRow(const QString& caption, const QString& value);
    void AddFrameFacts(const std::string& path, const QString& name, bool renameWav);

    QFormLayout* rows_;
};
