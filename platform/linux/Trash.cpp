#include "Trash.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "PathJoin.h"
#include "PosixIo.h"

namespace platform::trash {

namespace {

// Room for ".trashinfo" and a collision counter within the longest file name.
constexpr std::size_t kMaxTrashNameBytes = NAME_MAX - 10 - 12;

TrashResult Failure(int error) {
    return {false, std::strerror(error)};
}

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
}

// mkdir -p, new levels private to the user.
bool MakeDirectories(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const std::string parent = platform::ParentPath(path);
    if (parent != path && !MakeDirectories(parent)) return false;
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

bool PrepareTrash(const std::string& trash) {
    return MakeDirectories(trash + "/files") && MakeDirectories(trash + "/info");
}

std::string LocalDeletionDate() {
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    char text[32];
    strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// Splits an absolute path into its canonical directory and its last component.
bool SplitCanonical(const std::string& path, std::string& directory, std::string& name) {
    std::string absolute = path;
    if (!IsAbsolute(absolute.c_str())) {
        char cwd[PATH_MAX];
        if (!getcwd(cwd, sizeof cwd)) return false;
        absolute = std::string(cwd) + "/" + absolute;
    }
    while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
    std::string parent;
    platform::SplitPath(absolute, parent, name);
    if (name.empty() || name == "." || name == "..") {
        errno = EINVAL;
        return false;
    }
    char resolved[PATH_MAX];
    if (!realpath(parent.c_str(), resolved)) return false;
    directory = resolved;
    return true;
}

std::string JoinUnderDirectory(const std::string& directory, const std::string& name) {
    return directory == "/" ? "/" + name : directory + "/" + name;
}

// The file system of `path`, or of its nearest existing ancestor while it does not exist yet.
dev_t DeviceOfNearest(std::string path) {
    struct stat st {};
    while (stat(path.c_str(), &st) != 0) {
        const std::string parent = platform::ParentPath(path);
        if (parent == path) return static_cast<dev_t>(-1);
        path = parent;
    }
    return st.st_dev;
}

// The mount point holding `directory` (which is canonical): the highest ancestor on `device`.
std::string TopDirectory(std::string directory, dev_t device) {
    while (directory != "/") {
        const std::string parent = platform::ParentPath(directory);
        struct stat st {};
        if (stat(parent.c_str(), &st) != 0 || st.st_dev != device) break;
        directory = parent;
    }
    return directory;
}

// $topdir/.Trash/$uid when the administrator provided a sticky .Trash, else $topdir/.Trash-$uid.
std::string TopDirectoryTrash(const std::string& topdir, dev_t device) {
    const std::string uid = std::to_string(getuid());
    const std::string shared = JoinUnderDirectory(topdir, ".Trash");
    struct stat st {};
    if (lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const std::string own = shared + "/" + uid;
        if (PrepareTrash(own) && lstat(own.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
            st.st_dev == device) {
            return own;
        }
    }
    const std::string own = JoinUnderDirectory(topdir, ".Trash-" + uid);
    if (lstat(own.c_str(), &st) == 0 && (!S_ISDIR(st.st_mode) || st.st_uid != getuid())) return {};
    if (!PrepareTrash(own) || lstat(own.c_str(), &st) != 0 || st.st_dev != device) return {};
    return own;
}

// Claims an unused name in `trash` by creating its info file (O_EXCL, so two deleters never share
// one), then renames the item into files/. `infoPath` is what the info file records.
TrashResult MoveInto(const std::string& trash, const std::string& source, const std::string& name,
                     const std::string& infoPath) {
    const std::string base = name.substr(0, kMaxTrashNameBytes);
    const std::string info = "[Trash Info]\nPath=" + PercentEncode(infoPath) +
                             "\nDeletionDate=" + LocalDeletionDate() + "\n";
    for (int attempt = 1; attempt < 100000; ++attempt) {
        const std::string candidate = attempt == 1 ? base : base + "." + std::to_string(attempt);
        const std::string infoFile = trash + "/info/" + candidate + ".trashinfo";
        const int fd = open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return Failure(errno);
        }
        const bool written = platform::WriteAll(fd, info.data(), info.size());
        const int writeError = errno;
        close(fd);
        const std::string target = trash + "/files/" + candidate;
        struct stat st {};
        if (written && lstat(target.c_str(), &st) == 0) {  // left over without its info file
            unlink(infoFile.c_str());
            continue;
        }
        if (written && rename(source.c_str(), target.c_str()) == 0) return {true, {}};
        const int error = written ? errno : writeError;
        unlink(infoFile.c_str());
        return Failure(error);
    }
    return Failure(EEXIST);
}

}  // namespace

std::string HomeTrashDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (IsAbsolute(dataHome)) return std::string(dataHome) + "/Trash";
    const char* home = std::getenv("HOME");
    if (!IsAbsolute(home)) {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : nullptr;
    }
    if (!IsAbsolute(home)) return {};
    return std::string(home) + "/.local/share/Trash";
}

std::string PercentEncode(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/-._~", c)) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0xF];
        }
    }
    return encoded;
}

TrashResult MoveToTrash(const std::string& path) {
    std::string directory, name;
    if (!SplitCanonical(path, directory, name)) return Failure(errno);
    const std::string source = JoinUnderDirectory(directory, name);
    struct stat item {};
    if (lstat(source.c_str(), &item) != 0) return Failure(errno);

    const std::string home = HomeTrashDirectory();
    if (!home.empty() && DeviceOfNearest(home) == item.st_dev) {
        if (!PrepareTrash(home)) return Failure(errno);
        return MoveInto(home, source, name, source);
    }
    const std::string topdir = TopDirectory(directory, item.st_dev);
    const std::string trash = TopDirectoryTrash(topdir, item.st_dev);
    if (trash.empty()) return Failure(EXDEV);
    // Relative to the mount point, so the entry still restores when the medium moves.
    const std::string relative = source.substr(topdir == "/" ? 1 : topdir.size() + 1);
    return MoveInto(trash, source, name, relative);
}

}  // namespace platform::trash
