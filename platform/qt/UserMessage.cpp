#include "UserMessage.h"

#include <QMessageBox>

#include "Terminal.h"

namespace platform {

void TellUserError(const std::string& text, std::FILE* stream) {
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
    if (IsTerminal(stream)) return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tunewrap"),
                    QString::fromStdString(text).trimmed(), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);  // a file name is no markup
    box.exec();
}

}  // namespace platform
