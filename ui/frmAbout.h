#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class frmDocument;

// The About box: program name and version, author, and three links to shipped documents.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* owner);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows a shipped document ("README.md", "README.md#section") in the box's one viewer,
    // which closes with the box.
    void OpenLink(const QString& link);

    void lblEmail_MouseUp(int button, int shift, int x, int y);
    void lblHomePage_MouseUp(int button, int shift, int x, int y);
    void lblAddingBMUs_MouseUp(int button, int shift, int x, int y);
    void cmdOK_Click();
    void Form_Load();

    // Named as the dialog's design names them; tests find them by these names.
    QLabel* lblTitle;
    QLabel* lblByLabel;
    QLabel* lblBy;
    QLabel* lblEmailLabel;
    QLabel* lblEmail;
    QLabel* lblHomePageLabel;
    QLabel* lblHomePage;
    QLabel* lblAddingBMUsLabel;
    QLabel* lblAddingBMUs;
    QPushButton* cmdOK;
    frmDocument* viewer = nullptr;
};

// Where a shipped document lives on this machine; empty when it is nowhere to be found.
QString FindShippedDocument(const QString& relativePath);
