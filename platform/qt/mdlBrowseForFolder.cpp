#include "mdlBrowseForFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace mdlBrowseForFolder {

namespace {

Answerer& TestAnswerer() {
    static Answerer answerer;
    return answerer;
}

// Paths travel through the program as the file system's own bytes.
QString FromFileSystem(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToFileSystem(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The dialog lands on the start folder's parent with the start folder highlighted, so that
// "Choose" right away returns the start folder itself.
void SelectStartFolder(QFileDialog& dialog, const QString& startFolder) {
    if (startFolder.isEmpty()) return;
    const QFileInfo start(startFolder);
    if (!start.isDir()) return;
    const QString absolute = QDir::cleanPath(start.absoluteFilePath());
    if (QDir(absolute).isRoot()) {
        dialog.setDirectory(absolute);
        return;
    }
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(absolute);
}

}  // namespace

void SetAnswererForTesting(Answerer answerer) {
    TestAnswerer() = std::move(answerer);
}

std::string BrowseForFolder(platform::WindowHandle ownerWindow, const std::string& title,
                            const std::string& startFolder) {
    if (TestAnswerer()) return TestAnswerer()(title, startFolder);
    // Without a widget application (the command-line tool) there is nobody to ask.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return {};

    QWidget* owner = ownerWindow != 0 ? QWidget::find(static_cast<WId>(ownerWindow)) : nullptr;
    if (owner != nullptr) owner = owner->window();
    QFileDialog dialog(owner, QString::fromStdString(title));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    SelectStartFolder(dialog, FromFileSystem(startFolder));
    if (dialog.exec() != QDialog::Accepted) return {};

    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return {};
    // cleanPath keeps the root's "/" and drops every other folder's trailing separator.
    return ToFileSystem(QDir::toNativeSeparators(QDir::cleanPath(chosen.first())));
}

}  // namespace mdlBrowseForFolder
