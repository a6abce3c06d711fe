#pragma once
#include <QDialog>
#include <QString>

class QTextBrowser;

// A document shipped with the program, shown rendered with its pictures: a desktop hands a .md
// file to a text editor, which shows the raw Markdown. Links to other shipped documents and to
// sections stay in this window; any other link goes to the desktop.
class frmDocument : public QDialog {
    Q_OBJECT
  public:
    explicit frmDocument(QWidget* owner);

    // `link` is a shipped document's path, optionally with "#section": a heading's name as the
    // Markdown links name it (lower case, dashes for spaces, no punctuation).
    void ShowShipped(const QString& link);

  private:
    QTextBrowser* rtfDocument;
};
