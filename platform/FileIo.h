#pragma once
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "UiText.h"

// The two files of one conversion: the source, read once from start to end, and the part file
// that becomes the destination only when it is complete; and the few facts the lists and the
// batch ask of a path. Failures come back as false with errno set (or as error()), for the
// caller to word.
namespace platform {

// Every part file that can be seen in a folder ends in this, so leftovers are recognisable.
inline constexpr const char* kPartFileSuffix = ".tunewrap-part";

// errno after PartFile::Create when every part-file name of the destination is held by a running
// conversion; the system's own word for it ("File exists") would mislead.
inline constexpr int kPartFilesAllHeld = EBUSY;

// Why PartFile::Create failed, in words.
inline std::string PartFileError(int error) {
    return error == kPartFilesAllHeld
               ? platform::Tr("FileIo",
                              "Too many unfinished conversions of this file are in progress")
               : std::strerror(error);
}

// A last-modified time as the file system keeps it.
struct FileTime {
    std::int64_t seconds = 0;  // since 1970-01-01 UTC
    std::int64_t nanoseconds = 0;
    friend bool operator==(const FileTime&, const FileTime&) = default;
};

// A file as the file system knows it (device and number there): two paths with the same identity
// name one file.
using FileIdentity = std::pair<std::uint64_t, std::uint64_t>;

// A file opened for reading only. What it was when opened (which file, its size and time) is
// kept, so that a copy can tell afterwards whether it read one consistent file.
class ReadOnlyFile {
  public:
    // Non-blocking, so that a FIFO named like a song cannot hang the caller.
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile() { Close(); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    int error() const { return error_; }  // 0 once open, else the errno value why not
    bool isDirectory() const { return directory_; }
    bool isRegular() const { return regular_; }
    std::int64_t size() const { return size_; }
    FileTime modified() const { return modified_; }
    unsigned permissions() const { return permissions_; }
    FileIdentity identity() const { return identity_; }

    // True when the open file was written to or resized since it was opened, or its path now
    // names another file. A path that names nothing is no change: an open file outlives its name.
    bool Changed() const;
    // Up to `size` bytes from the current position: how many were read, 0 at the end, -1 with
    // errno set (EAGAIN: a pipe or device has nothing yet).
    std::int64_t Read(char* into, std::size_t size);
    // Moves the read position to `offset` bytes from the start; false with errno set.
    bool Seek(std::int64_t offset);
    void Close();

  private:
    friend class PartFile;  // to move bytes within the kernel

    std::string path_;
    int fd_ = -1;
    int error_ = 0;
    bool directory_ = false;
    bool regular_ = false;
    std::int64_t size_ = 0;
    FileTime modified_;
    unsigned permissions_ = 0;
    FileIdentity identity_;
};

// The file one conversion writes, in the destination's folder. Where the file system allows it
// the file has no name until it is complete, so a killed program leaves nothing behind; else it
// gets a part-file name no other running conversion holds. Either way only its own conversion
// can rename or remove it, and a part file found that no running conversion holds is a leftover
// and removed. Unless put in place, it is removed again when destroyed.
class PartFile {
  public:
    PartFile() = default;
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // `permissions` (less the umask) are a new destination's; a replaced one keeps its own, less
    // the set-user-ID, set-group-ID and sticky bits.
    bool Create(const std::string& destinationPath, unsigned permissions);
    // All `size` bytes, or false with errno set.
    bool Write(const char* bytes, std::size_t size);
    // Overwrites what was written at `offset` (a header known only at the end); the next Write
    // still goes to the end. False with errno set.
    bool WriteAt(std::int64_t offset, const char* bytes, std::size_t size);
    // Up to `size` bytes from `from`'s position to the end of this file without passing through
    // the program, where the system can; both positions move on. How many; 0 when the system
    // moved none this way, for any reason, so that reading and writing take over (and meet a real
    // failure again, to word it).
    std::int64_t CopyFrom(ReadOnlyFile& from, std::int64_t size);

    // Closes the file, reporting late write errors, gives it `time` as its last-modified time when
    // one is given, and renames it over the destination.
    bool PutInPlace(const FileTime* time);

  private:
    bool CreateNamed(unsigned mode);

    int directory_ = -1;
    int fd_ = -1;
    int lock_ = -1;  // holds the lock while fd_ is closed for its error report
    std::string name_;
    std::string stem_;
    std::string partName_;
    bool anonymous_ = false;  // no name until it is complete
    bool placed_ = false;
};

// Which file a path names; empty when it names nothing.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// What a path names, in one look-up where it is no symbolic link: whether its name is taken at
// all (also by a link that leads nowhere), and the identity of the file it leads to.
struct NameLookup {
    bool taken = false;
    std::optional<FileIdentity> identity;
};
NameLookup LookUpName(const std::string& path);

// What a file list shows of `path`: its size, -1 when it cannot be opened for reading (a
// directory among them), and its last-modified time; false when it names nothing.
bool SizeAndModified(const std::string& path, std::int64_t& size, FileTime& time);

// Whether `path` is a directory whose entries can be listed and opened.
bool IsListableDirectory(const std::string& path);

}  // namespace platform
