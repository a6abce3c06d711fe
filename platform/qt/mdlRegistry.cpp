#include "mdlRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdlib>
#include <optional>

#include "IniText.h"
#include "RegistryValue.h"

// A key "Software\A\B\C" lives in the INI file "A/B/C.conf" below the user's configuration
// directory; its values sit in the file's general section. A save goes through a new file renamed
// over the old one, under the lock file QSettings uses too, so two running copies of the program
// (of this version or an earlier one) cannot tear a settings file.
namespace mdlRegistry {
namespace {

// Settings files hold a few hundred bytes. One with an over-long line still gives its other
// values (the long one reads as too long); one far larger than that is not ours, and is not
// read at all.
constexpr qint64 kLargestFileBytes = 16 << 20;

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

// The file's text; none when it cannot be read, or is too large to be a settings file.
std::optional<std::string> ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // In pieces: a read of the largest size at once would set that much memory aside every time.
    std::string text;
    char piece[64 << 10];
    for (qint64 got; (got = file.read(piece, sizeof piece)) != 0;) {
        if (got < 0) return std::nullopt;
        text.append(piece, static_cast<std::size_t>(got));
        if (text.size() > static_cast<std::size_t>(kLargestFileBytes)) return std::nullopt;
    }
    return text;
}

}  // namespace

std::int32_t ReadRegString(HKEY /*hive*/, const std::string& subKey, const std::string& valueName,
                           std::string& value) {
    const QString path = KeyFilePath(subKey);
    const std::int32_t openStatus = OpenStatus(path);
    if (openStatus != ERROR_SUCCESS) return openStatus;

    const std::optional<std::string> file = ReadText(path);
    if (!file) {
        value.clear();
        return ERROR_ACCESS_DENIED;
    }
    const std::optional<platform::IniValue> stored = platform::FindIniValue(*file, valueName);
    if (!stored) {
        value.clear();
        return ERROR_FILE_NOT_FOUND;
    }
    return FoundValue(stored->text, stored->isText, value);
}

std::int32_t WriteRegString(HKEY /*hive*/, const std::string& subKey, const std::string& valueName,
                            const std::string& value) {
    const QString path = KeyFilePath(subKey);
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath())) return ERROR_ACCESS_DENIED;
    if (file.exists() && !file.isFile()) return ERROR_ACCESS_DENIED;
    // A write that cannot succeed is refused before a lock file is made: the folder must take
    // the new file and the lock file beside it.
    if (::access(QFile::encodeName(file.absolutePath()).constData(), W_OK) != 0 ||
        (file.exists() && !file.isWritable())) {
        return ERROR_ACCESS_DENIED;
    }

    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.lock()) return ERROR_ACCESS_DENIED;
    // A file too large to be ours is replaced; a damaged one keeps its other lines.
    const std::string old = file.exists() ? ReadText(path).value_or(std::string()) : std::string();
    const std::string text = platform::WithIniValue(old, valueName, value);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return ERROR_ACCESS_DENIED;
    if (out.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !out.commit()) {
        return ERROR_ACCESS_DENIED;
    }
    if (!file.exists()) {
        QFile::setPermissions(
            path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return ERROR_SUCCESS;
}

}  // namespace mdlRegistry
