#include "ConvertFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "ByteCopier.h"
#include "mdlFileOps.h"

namespace tunewrap {

namespace {

// What sets the two directions apart; the copy itself is the same.
struct Direction {
    std::string_view header;  // to BMU: goes in front of the copied bytes
    std::int64_t dropsBytes;  // to MP3: the first bytes of the source are skipped
};
constexpr Direction kToBMU{{kBmuHeader, sizeof kBmuHeader}, 0};
constexpr Direction kToMP3{{}, sizeof kBmuHeader};

ConvertResult Failed(std::string reason) {
    return {ConvertResult::Status::Failed, std::move(reason)};
}
ConvertResult FailedWithErrno() {
    return Failed(std::strerror(errno));
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    // Close reports late write errors (quota, network file systems) that writes did not.
    bool Close() {
        if (fd_ < 0) return true;
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

  private:
    int fd_;
};

// The file being written; it is removed unless it was renamed into place.
class PartFile {
  public:
    explicit PartFile(std::string path) : path_(std::move(path)) {}
    ~PartFile() {
        if (!kept_) unlink(path_.c_str());
    }
    const std::string& path() const { return path_; }
    void Keep() { kept_ = true; }

  private:
    std::string path_;
    bool kept_ = false;
};

// Beside the destination, under its name plus the suffix. A name too long to take the suffix is
// cut at a character boundary and marked with a hash of the whole name, so that the longest
// names still convert, two long names never share a part file, and a leftover is found again by
// the next conversion of the same file.
std::string PartFilePath(const std::string& destinationPath) {
    const std::size_t slash = destinationPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string name = destinationPath.substr(nameStart);
    const std::size_t suffixLength = std::strlen(kPartFileSuffix);
    if (name.size() + suffixLength > NAME_MAX) {
        std::uint32_t hash = 2166136261u;  // FNV-1a
        for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        char mark[10];
        std::snprintf(mark, sizeof mark, "~%08x", static_cast<unsigned>(hash));
        std::size_t keep = NAME_MAX - suffixLength - (sizeof mark - 1);
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
        name.resize(keep);
        name += mark;
    }
    return destinationPath.substr(0, nameStart) + name + kPartFileSuffix;
}

// Skips up to `size` bytes by reading them; false with errno on a read error.
bool ReadAndDrop(int fd, std::int64_t size) {
    char dropped[sizeof kBmuHeader];
    while (size > 0) {
        const ssize_t n = read(fd, dropped, static_cast<std::size_t>(size));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        size -= n;
    }
    return true;
}

// A file that replaces an existing one keeps that file's permissions.
void TakeOverPermissions(const std::string& destinationPath, int fd) {
    struct stat existing {};
    if (stat(destinationPath.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        fchmod(fd, existing.st_mode & 07777);
    }
}

ConvertResult Convert(const Direction& direction, const std::string& sourcePath,
                      const std::string& destinationPath, const std::string& sourceFileName,
                      bool preserveFileDateTime, ProgressSink& sink, SystemTimer& stopwatch) {
    bool large = false;
    bool shown = false;

    // Non-blocking, so that a FIFO named like a song cannot hang the window; it is refused below.
    Descriptor source(open(sourcePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!source.ok()) return FailedWithErrno();
    struct stat sourceStat {};
    if (fstat(source.get(), &sourceStat) != 0) return FailedWithErrno();
    if (S_ISDIR(sourceStat.st_mode)) return Failed(std::strerror(EISDIR));
    if (!S_ISREG(sourceStat.st_mode)) return Failed("Not a regular file");

    // A leftover of an interrupted conversion is replaced, never written through.
    PartFile part(PartFilePath(destinationPath));
    unlink(part.path().c_str());
    Descriptor destination(
        open(part.path().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!destination.ok()) return FailedWithErrno();
    TakeOverPermissions(destinationPath, destination.get());

    // The header leaves with the first chunk of copied bytes, which keeps every write aligned.
    ByteCopier copier(source.get(), destination.get(), direction.header);
    if (!ReadAndDrop(source.get(), direction.dropsBytes)) return FailedWithErrno();

    // A source shorter than the header unwraps to an empty file.
    const std::int64_t payload =
        std::max<std::int64_t>(0, sourceStat.st_size - direction.dropsBytes);
    const std::int64_t blockCount = payload / static_cast<std::int64_t>(kBlockSize);
    const std::int64_t remainder = payload % static_cast<std::int64_t>(kBlockSize);
    large = blockCount > kLargeBlockCount;

    sink.SetFileName(sourceFileName);
    sink.SetDone(kBlockSize);
    sink.SetTotal(payload);
    if (large) {
        sink.ShowDialog();
        shown = true;
    }
    stopwatch.StartTimer();

    std::string failure;
    for (std::int64_t block = 1; block <= blockCount; ++block) {
        if (sink.CancelRequested()) break;
        if (!copier.Add(kBlockSize, failure)) break;
        sink.SetDone(block * static_cast<std::int64_t>(kBlockSize));
        if (stopwatch.ElapsedTime() > kSlowCopyMs && !shown) {
            sink.ShowDialog();
            stopwatch.StopTimer();
            shown = true;
        }
        sink.Yield();
    }
    stopwatch.StopTimer();

    // Blocks queued before a cancel are dropped with the part file, so nothing is written after it.
    if (failure.empty() && !sink.CancelRequested()) {
        if (remainder >= 1) copier.Add(remainder, failure);
        if (failure.empty()) copier.Flush(failure);
    }
    if (failure.empty()) {
        sink.SetDone(payload);
        sink.Yield();
    }

    if (!destination.Close() && failure.empty()) failure = std::strerror(errno);
    source.Close();
    if (shown) sink.CloseDialog();

    if (!failure.empty()) return Failed(failure);
    if (sink.CancelRequested()) return {ConvertResult::Status::Cancelled, {}};

    if (preserveFileDateTime) {
        mdlFileOps::SetFileDateTime(part.path(), mdlFileOps::GetFileDateTime(sourcePath));
    }
    if (rename(part.path().c_str(), destinationPath.c_str()) != 0) return FailedWithErrno();
    part.Keep();
    return {};
}

}  // namespace

ConvertResult ConvertFileToBMU(const std::string& sourcePath, const std::string& destinationPath,
                               const std::string& sourceFileName, bool preserveFileDateTime,
                               ProgressSink& sink, SystemTimer& stopwatch) {
    return Convert(kToBMU, sourcePath, destinationPath, sourceFileName, preserveFileDateTime, sink,
                   stopwatch);
}

ConvertResult ConvertFileToMP3(const std::string& sourcePath, const std::string& destinationPath,
                               const std::string& sourceFileName, bool preserveFileDateTime,
                               ProgressSink& sink, SystemTimer& stopwatch) {
    return Convert(kToMP3, sourcePath, destinationPath, sourceFileName, preserveFileDateTime, sink,
                   stopwatch);
}

}  // namespace tunewrap
