#pragma once
#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

// The About box: program name and version, author, and three links that open in the
// desktop's default programs.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* owner);

    // Tests see the links instead of the desktop.
    using LinkOpener = std::function<void(const QUrl&)>;
    static void SetLinkOpenerForTesting(LinkOpener opener);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Hands a link to the desktop. The text is a URL ("mailto:...") or the name of a
    // shipped document.
    void OpenLink(const QString& text);

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
};

// Where a shipped document lives on this machine; empty when it is nowhere to be found.
QString FindShippedDocument(const QString& relativePath);
