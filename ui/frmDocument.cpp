#include "frmDocument.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "frmAbout.h"

namespace {

QString SectionName(const QString& heading) {
    QString name;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == '-' || c == '_') name += c;
        if (c == ' ') name += '-';
    }
    return name;
}

class DocumentBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    void ShowMissing(const QString& name) {
        clear();
        setPlainText(QCoreApplication::translate(
                         "frmDocument",
                         "The document %1 could not be found. It is installed with "
                         "Tunewrap, in its documentation folder (share/doc/tunewrap); "
                         "installing Tunewrap again brings it back.")
                         .arg(name));
    }

  protected:
    // Every document a link leads to passes through here, so each gets its sections named and
    // a missing one its message rather than an empty page.
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override {
        if (!url.isLocalFile()) {
            QDesktopServices::openUrl(url);
            return;
        }
        const QFileInfo file(url.toLocalFile());
        if (!file.isFile()) {
            ShowMissing(file.fileName());
            return;
        }
        const bool markdown = file.suffix().compare("md", Qt::CaseInsensitive) == 0;
        // Pictures and other files are the desktop's; LICENSE and the like are plain text.
        if (!markdown && !file.suffix().isEmpty()) {
            QDesktopServices::openUrl(url);
            return;
        }
        QTextBrowser::doSetSource(url, markdown ? QTextDocument::MarkdownResource : type);
        NameSections();
        // Qt scrolled before the sections had names; a page without one it scrolled to the top.
        if (url.hasFragment()) scrollToAnchor(url.fragment());
    }

  private:
    // Qt's Markdown reader names no headings, so "#section" links would lead nowhere.
    void NameSections() {
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 0) continue;
            QTextCursor heading(block);
            heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat anchor;
            anchor.setAnchor(true);
            anchor.setAnchorNames({SectionName(block.text())});
            heading.mergeCharFormat(anchor);
        }
    }
};

}  // namespace

frmDocument::frmDocument(QWidget* owner) : QDialog(owner, Qt::Window) {
    auto* browser = new DocumentBrowser(this);
    rtfDocument = browser;
    rtfDocument->setObjectName(QStringLiteral("rtfDocument"));
    rtfDocument->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rtfDocument);
    // Room for the main window's picture at its designed size and some forty lines of text, as
    // far as the screen has room.
    const QRect room = screen()->availableGeometry();
    resize(std::min(1040, room.width() * 9 / 10),
           std::min(fontMetrics().lineSpacing() * 40, room.height() * 9 / 10));
}

void frmDocument::ShowShipped(const QString& link) {
    const QUrl relative(link);
    const QString path = FindShippedDocument(relative.path());
    setWindowTitle(QFileInfo(relative.path()).fileName() + QStringLiteral(" - Tunewrap"));
    show();
    raise();
    activateWindow();
    if (path.isEmpty()) {
        static_cast<DocumentBrowser*>(rtfDocument)->ShowMissing(relative.path());
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(relative.fragment());
    rtfDocument->setSource(url);
}
