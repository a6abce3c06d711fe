#include "mdlRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <cerrno>
#include <cstdlib>

// A key "Software\A\B\C" lives in the INI file "A/B/C.conf" below the user's configuration
// directory; its values sit in the file's general section. QSettings gives us atomic saves and
// file locking, so two running copies of the program cannot tear a settings file.
namespace mdlRegistry {
namespace {

constexpr std::size_t kReadBufferBytes = 1024;
constexpr const char* kNonStringValue = "ERROR: Non String Value";

QString ConfigRoot() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return QString::fromLocal8Bit(xdg);
    const char* home = std::getenv("HOME");
    const QString homeDir =
        (home != nullptr && home[0] != '\0') ? QString::fromLocal8Bit(home) : QDir::homePath();
    return homeDir + QStringLiteral("/.config");
}

QString KeyFilePath(const std::string& subKey) {
    QString key = QString::fromStdString(subKey);
    const QString softwarePrefix = QStringLiteral("Software\\");
    if (key.startsWith(softwarePrefix, Qt::CaseInsensitive)) key.remove(0, softwarePrefix.size());
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ConfigRoot() + QLatin1Char('/') + key + QStringLiteral(".conf");
}

// Status of an existing-or-not key file as the registry would report opening its key.
std::int32_t OpenStatus(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return errno == ENOENT ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
    }
    if (!S_ISREG(info.st_mode)) return ERROR_ACCESS_DENIED;
    if (!QFileInfo(path).isReadable()) return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

// QSettings reads an unquoted "a,b" as a list; the user meant the text as written, so it is
// taken from the file's general section line itself.
QString RawGeneralValue(const QString& path, const QString& valueName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    bool inGeneral = true;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGeneral = line.compare(QStringLiteral("[General]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inGeneral && equals > 0 && line.left(equals).trimmed() == valueName) {
            return line.mid(equals + 1);
        }
    }
    return {};
}

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::int32_t ReadRegString(HKEY /*hive*/, const std::string& subKey, const std::string& valueName,
                           std::string& value) {
    const QString path = KeyFilePath(subKey);
    const std::int32_t openStatus = OpenStatus(path);
    if (openStatus != ERROR_SUCCESS) return openStatus;

    const QString name = QString::fromStdString(valueName);
    QVariant stored;
    {
        QSettings settings(path, QSettings::IniFormat);
        if (settings.status() == QSettings::AccessError) {
            value.clear();
            return ERROR_ACCESS_DENIED;
        }
        if (!settings.contains(name)) {
            value.clear();
            return ERROR_FILE_NOT_FOUND;
        }
        stored = settings.value(name);
    }

    std::string text;
    bool plainText = true;
    if (stored.typeId() == QMetaType::QString) {
        text = stored.toString().toStdString();
    } else if (stored.typeId() == QMetaType::QStringList) {
        text = RawGeneralValue(path, name).toStdString();
    } else {
        plainText = false;
    }
    if (text.size() > kReadBufferBytes) {
        value.clear();
        return ERROR_MORE_DATA;
    }
    if (!text.empty() && text.back() == '\0') text.pop_back();
    value = plainText ? TrimSpaces(text) : std::string(kNonStringValue);
    return ERROR_SUCCESS;
}

std::int32_t WriteRegString(HKEY /*hive*/, const std::string& subKey, const std::string& valueName,
                            const std::string& value) {
    const QString path = KeyFilePath(subKey);
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath())) return ERROR_ACCESS_DENIED;
    if (file.exists() && !file.isFile()) return ERROR_ACCESS_DENIED;
    // QSettings keeps a value it failed to save in its process-wide cache, where later reads
    // would find it; so a write that cannot succeed is refused before QSettings sees it.
    // The folder must take the new file and QSettings' lock file beside it.
    if (::access(QFile::encodeName(file.absolutePath()).constData(), W_OK) != 0 ||
        (file.exists() && !file.isWritable())) {
        return ERROR_ACCESS_DENIED;
    }

    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QString::fromStdString(valueName), QString::fromStdString(value));
    settings.sync();
    // A FormatError only says that lines of the old file could not be parsed; the file has been
    // saved with the new value all the same.
    return settings.status() == QSettings::AccessError ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

}  // namespace mdlRegistry
