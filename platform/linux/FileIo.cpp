#include "FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "FileIoForTests.h"
#include "PartFileNames.h"
#include "PathJoin.h"
#include "PosixIo.h"

namespace platform {

namespace {

bool gNamedPartFilesOnly = false;
std::int64_t gKernelCopyLeft = -1;  // no limit

// What a new file takes over of a mode: never the set-user-ID, set-group-ID and sticky bits.
constexpr mode_t kPermissionBits = 0777;

void CloseQuietly(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

FileTime TimeOf(const struct stat& st) {
    return {st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

// The name through which an unnamed file is given a name: linkat with AT_EMPTY_PATH needs
// privileges an ordinary user lacks, this does not.
std::string ProcPath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// Removes the part file `name` when no running conversion holds its lock, that is, when it was
// left by one that was killed. True when the name is free now.
bool RemoveIfLeftover(int directory, const std::string& name) {
    const int fd = openat(directory, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return true;
        // A symbolic link in a part file's place is removed, never written through.
        if (errno == ELOOP) return unlinkat(directory, name.c_str(), 0) == 0 || errno == ENOENT;
        return false;
    }
    bool freed = false;
    struct stat opened {
    }, named{};
    if (fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Only if the name still leads to the file just locked, not to one created since.
        if (fstatat(directory, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
            freed = errno == ENOENT;
        } else if (named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            freed = unlinkat(directory, name.c_str(), 0) == 0 || errno == ENOENT;
        }
    }
    close(fd);
    return freed;
}

// Claims a part-file name in `directory` for `create`, as the shared naming rules say.
template <typename Create>
bool ClaimSlot(int directory, const std::string& stem, Create create, std::string& claimed) {
    auto removeIfLeftover = [&](const std::string& name) {
        return RemoveIfLeftover(directory, name);
    };
    auto exists = [&](const std::string& name) {
        struct stat st {};
        return fstatat(directory, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    };
    return partnames::ClaimSlot(stem, create, removeIfLeftover, exists, claimed);
}

}  // namespace

namespace testing {
void UseNamedPartFilesOnly(bool namedOnly) {
    gNamedPartFilesOnly = namedOnly;
}
void LimitKernelCopy(std::int64_t bytes) {
    gKernelCopyLeft = bytes;
}
}  // namespace testing

ReadOnlyFile::ReadOnlyFile(const std::string& path) : path_(path) {
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0) {
        error_ = errno;
        Close();
        return;
    }
    directory_ = S_ISDIR(st.st_mode);
    regular_ = S_ISREG(st.st_mode);
    size_ = st.st_size;
    modified_ = TimeOf(st);
    permissions_ = st.st_mode & 07777;
    identity_ = {st.st_dev, st.st_ino};
}

bool ReadOnlyFile::Changed() const {
    struct stat now {};
    if (fstat(fd_, &now) != 0) return true;
    if (now.st_size != size_ || TimeOf(now) != modified_) return true;
    const std::optional<FileIdentity> named = IdentityOf(path_);
    return named && *named != identity_;
}

std::int64_t ReadOnlyFile::Read(char* into, std::size_t size) {
    return ReadSome(fd_, into, size);
}

bool ReadOnlyFile::Seek(std::int64_t offset) {
    return lseek(fd_, static_cast<off_t>(offset), SEEK_SET) >= 0;
}

void ReadOnlyFile::Close() {
    CloseQuietly(fd_);
}

PartFile::~PartFile() {
    if (!placed_ && !partName_.empty()) unlinkat(directory_, partName_.c_str(), 0);
    CloseQuietly(fd_);
    CloseQuietly(lock_);
    CloseQuietly(directory_);
}

bool PartFile::Create(const std::string& destinationPath, unsigned permissions) {
    std::string directoryPath;
    SplitPath(destinationPath, directoryPath, name_);
    // Everything happens relative to the folder, so a destination path at the system's limit
    // converts although its part file's path would be longer.
    directory_ = open(directoryPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (directory_ < 0) return false;
    stem_ = partnames::PartStem(name_);

    // The mode goes to open(), which takes off the umask (or applies the folder's default ACL)
    // just as it does for cp. So the umask, which is process-wide and can only be read by
    // changing it, is never touched.
    mode_t mode = permissions & kPermissionBits;
    struct stat existing {};
    const bool replacing =
        fstatat(directory_, name_.c_str(), &existing, 0) == 0 && S_ISREG(existing.st_mode);
    if (replacing) mode = existing.st_mode & kPermissionBits;

    if (!gNamedPartFilesOnly) {
        fd_ = openat(directory_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        // Locked before it can have a name; without /proc it could never get one.
        if (fd_ >= 0 && (flock(fd_, LOCK_EX) != 0 || access(ProcPath(fd_).c_str(), F_OK) != 0))
            CloseQuietly(fd_);
        anonymous_ = fd_ >= 0;
    }
    if (!anonymous_ && !CreateNamed(mode)) return false;
    // The umask may have taken bits off the mode a replaced file keeps.
    return !replacing || fchmod(fd_, mode) == 0;
}

bool PartFile::CreateNamed(unsigned mode) {
    auto create = [&](const std::string& name) {
        const int fd = openat(directory_, name.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) return false;
        // Between creating and locking it, a conversion cleaning up may have taken it for a
        // leftover: then it is that conversion's to remove.
        struct stat st {};
        if (flock(fd, LOCK_EX | LOCK_NB) != 0 || fstat(fd, &st) != 0 || st.st_nlink == 0) {
            close(fd);
            errno = EEXIST;
            return false;
        }
        fd_ = fd;
        return true;
    };
    return ClaimSlot(directory_, stem_, create, partName_);
}

bool PartFile::Write(const char* bytes, std::size_t size) {
    return WriteAll(fd_, bytes, size);
}

bool PartFile::WriteAt(std::int64_t offset, const char* bytes, std::size_t size) {
    return WriteAll(fd_, bytes, size, static_cast<off_t>(offset));
}

std::int64_t PartFile::CopyFrom(ReadOnlyFile& from, std::int64_t size) {
    if (gKernelCopyLeft >= 0) size = std::min(size, gKernelCopyLeft);
    if (size <= 0) return 0;
    // Another kind of file system, FUSE, a kernel or sandbox without the call: each
    // refuses in its own way, and some only by moving nothing.
    const ssize_t n = RetryInterrupted([&] {
        return copy_file_range(from.fd_, nullptr, fd_, nullptr, static_cast<std::size_t>(size), 0);
    });
    if (n <= 0) return 0;
    if (gKernelCopyLeft >= 0) gKernelCopyLeft -= n;
    return n;
}

bool PartFile::PutInPlace(const FileTime* time) {
    if (time) {
        const timespec times[2] = {
            {0, UTIME_OMIT},
            {static_cast<time_t>(time->seconds), static_cast<long>(time->nanoseconds)}};
        if (futimens(fd_, times) != 0) return false;
    }
    // A second descriptor keeps the lock while the first is closed for its error report, until
    // the file has its final name.
    lock_ = fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (lock_ < 0) return false;
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) return false;
    if (anonymous_) {
        auto link = [&](const std::string& name) {
            return linkat(AT_FDCWD, ProcPath(lock_).c_str(), directory_, name.c_str(),
                          AT_SYMLINK_FOLLOW) == 0;
        };
        if (!ClaimSlot(directory_, stem_, link, partName_)) return false;
    }
    if (renameat(directory_, partName_.c_str(), directory_, name_.c_str()) != 0) return false;
    placed_ = true;
    return true;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity(st.st_dev, st.st_ino);
}

NameLookup LookUpName(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return {};
    if (S_ISLNK(st.st_mode)) return {true, IdentityOf(path)};
    return {true, FileIdentity(st.st_dev, st.st_ino)};
}

bool SizeAndModified(const std::string& path, std::int64_t& size, FileTime& time) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    time = TimeOf(st);
    // Its owner's read bit lets its owner open a plain file whatever else its access list says,
    // so a folder of one's own songs needs no open per entry; only the doubtful cases try one.
    const bool ownReadable =
        S_ISREG(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & S_IRUSR) != 0;
    if (ownReadable) {
        size = st.st_size;
    } else {
        const ReadOnlyFile file(path);
        size = file.error() == 0 && !file.isDirectory() ? file.size() : -1;
    }
    return true;
}

bool IsListableDirectory(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           access(path.c_str(), R_OK | X_OK) == 0;
}

}  // namespace platform
