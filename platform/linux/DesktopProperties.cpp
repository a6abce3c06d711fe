#include "DesktopProperties.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace platform {

namespace {

// The freedesktop FileManager1 interface, which the common file managers offer on the session bus.
constexpr const char* kService = "org.freedesktop.FileManager1";
constexpr const char* kObjectPath = "/org/freedesktop/FileManager1";
// A file manager answers at once; one that hangs must not freeze the window for long.
constexpr int kReplyTimeoutMs = 3000;

}  // namespace

bool AskDesktopForProperties(const std::string& path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr) return false;
    // Only a file manager that is running: starting one just for this would be slow and odd.
    if (!bus.interface()->isServiceRegistered(kService).value()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kObjectPath, kService, "ShowItemProperties");
    const QString file = QDir::cleanPath(QFile::decodeName(QByteArray::fromStdString(path)));
    call << QStringList{QUrl::fromLocalFile(file).toString()} << QString();
    return bus.call(call, QDBus::Block, kReplyTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

}  // namespace platform
