#include "FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "PartFileNames.h"
#include "PathJoin.h"
#include "WinIo.h"

// The file members that hold a descriptor elsewhere hold a handle here: 64-bit Windows keeps
// handles to 32 bits so that they can be passed through a 32-bit program, and -1 is
// INVALID_HANDLE_VALUE either way.
namespace platform {

namespace {

// Readers never stand in the way of a writer, a rename or a deletion: an open file outlives its
// name, as on other systems.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// A part file is held open without FILE_SHARE_DELETE, so no other conversion can remove or
// rename it while its own runs; once its program is gone, it can.
constexpr DWORD kPartFileShare = FILE_SHARE_READ;
// Permission bits as the callers know them, for what Windows keeps as one read-only flag.
constexpr unsigned kWritablePermissions = 0666;
constexpr unsigned kReadOnlyPermissions = 0444;
// ReadFile and WriteFile take at most this many bytes per call.
constexpr std::size_t kMaxTransfer = 1u << 30;

HANDLE AsHandle(int stored) {
    return LongToHandle(stored);
}

int Stored(HANDLE handle) {
    return HandleToLong(handle);
}

void CloseQuietly(int& stored) {
    win::Handle closed(AsHandle(stored));
    stored = -1;
}

std::int64_t SizeOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return static_cast<std::int64_t>((static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) |
                                     info.nFileSizeLow);
}

FileIdentity IdentityIn(const BY_HANDLE_FILE_INFORMATION& info) {
    return {info.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

bool Describe(HANDLE file, BY_HANDLE_FILE_INFORMATION& info) {
    return GetFileInformationByHandle(file, &info) != 0 || win::FailWithLastError();
}

// Removes the part file `name` when no running conversion holds it, that is, when it was left by
// one that was killed. True when the name is free now.
bool RemoveIfLeftover(const std::string& name) {
    if (DeleteFileW(win::WidePath(name).c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool Exists(const std::string& name) {
    return GetFileAttributesW(win::WidePath(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Sets one piece of a file's information through its handle; false with errno set.
template <typename Info>
bool SetInformation(HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind, const Info* info, DWORD size) {
    return SetFileInformationByHandle(file, kind, const_cast<Info*>(info), size) != 0 ||
           win::FailWithLastError();
}

// Gives the open file `file` the name `path`, replacing what had it, in one step.
bool RenameOver(HANDLE file, const std::string& path) {
    const std::wstring target = win::WidePath(path);
    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = TRUE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, target.data(), nameBytes);
    return SetInformation(file, FileRenameInfo, info, static_cast<DWORD>(buffer.size()));
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::string& path) : path_(path) {
    // Backup semantics open a directory too, so that it can be told from a missing file.
    win::Handle file = win::OpenPath(path, GENERIC_READ, kShareAll, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || !Describe(file.get(), info)) {
        error_ = errno;
        return;
    }
    directory_ = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    regular_ = !directory_ && GetFileType(file.get()) == FILE_TYPE_DISK;
    size_ = SizeOf(info);
    modified_ = win::TimeOf(info.ftLastWriteTime);
    permissions_ = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? kReadOnlyPermissions
                                                                          : kWritablePermissions;
    identity_ = IdentityIn(info);
    fd_ = Stored(file.Release());
}

bool ReadOnlyFile::Changed() const {
    BY_HANDLE_FILE_INFORMATION now{};
    if (!Describe(AsHandle(fd_), now)) return true;
    if (SizeOf(now) != size_ || win::TimeOf(now.ftLastWriteTime) != modified_) return true;
    const std::optional<FileIdentity> named = IdentityOf(path_);
    return named && *named != identity_;
}

std::int64_t ReadOnlyFile::Read(char* into, std::size_t size) {
    DWORD got = 0;
    if (ReadFile(AsHandle(fd_), into, static_cast<DWORD>(std::min(size, kMaxTransfer)), &got,
                 nullptr))
        return got;
    // A pipe whose writer has gone has simply ended.
    const DWORD error = GetLastError();
    if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
    win::FailWithLastError();
    return -1;
}

bool ReadOnlyFile::Seek(std::int64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = offset;
    return SetFilePointerEx(AsHandle(fd_), to, nullptr, FILE_BEGIN) != 0 ||
           win::FailWithLastError();
}

void ReadOnlyFile::Close() {
    CloseQuietly(fd_);
}

PartFile::~PartFile() {
    if (!placed_ && fd_ != -1) {
        FILE_DISPOSITION_INFO remove{TRUE};
        SetInformation(AsHandle(fd_), FileDispositionInfo, &remove, sizeof remove);
    }
    CloseQuietly(fd_);
}

// Windows keeps no permission bits to carry over: a new file takes its folder's access list, a
// replaced one's list goes with it. So `permissions` is not used here.
bool PartFile::Create(const std::string& destinationPath, unsigned) {
    // The paths are kept whole: each Win32 call takes a full path, and long ones are no limit.
    std::string directory, name;
    SplitPath(destinationPath, directory, name);
    if (name.empty()) {
        errno = EISDIR;
        return false;
    }
    const DWORD attributes = GetFileAttributesW(win::WidePath(directory).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return win::FailWithLastError();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        errno = ENOTDIR;
        return false;
    }
    name_ = destinationPath;
    stem_ = JoinPath(directory, partnames::PartStem(name));
    return CreateNamed(0);
}

bool PartFile::CreateNamed(unsigned) {
    auto create = [&](const std::string& path) {
        win::Handle file = win::OpenPath(path, GENERIC_WRITE | DELETE, kPartFileShare, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL);
        if (!file.valid()) return false;
        fd_ = Stored(file.Release());
        return true;
    };
    return partnames::ClaimSlot(stem_, create, RemoveIfLeftover, Exists, partName_);
}

namespace {

// All `size` bytes at the file pointer, or at `offset` when one is given: the pointer then moves
// behind them and is put back at the end.
bool WriteAll(HANDLE file, const char* bytes, std::size_t size, std::int64_t offset = -1) {
    while (size > 0) {
        DWORD written = 0;
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset) & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
        if (!WriteFile(file, bytes, static_cast<DWORD>(std::min(size, kMaxTransfer)), &written,
                       offset < 0 ? nullptr : &at))
            return win::FailWithLastError();
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes += written;
        size -= written;
        if (offset >= 0) offset += written;
    }
    return offset < 0 || SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_END) ||
           win::FailWithLastError();
}

}  // namespace

bool PartFile::Write(const char* bytes, std::size_t size) {
    return WriteAll(AsHandle(fd_), bytes, size);
}

bool PartFile::WriteAt(std::int64_t offset, const char* bytes, std::size_t size) {
    return WriteAll(AsHandle(fd_), bytes, size, offset);
}

std::int64_t PartFile::CopyFrom(ReadOnlyFile&, std::int64_t) {
    return 0;  // read and written: the system has no copy between two open files' positions
}

bool PartFile::PutInPlace(const FileTime* time) {
    const HANDLE file = AsHandle(fd_);
    if (time) {
        const FILETIME modified = win::Win32TimeOf(*time);
        if (!SetFileTime(file, nullptr, nullptr, &modified)) return win::FailWithLastError();
    }
    // Renamed through its own handle, so no other conversion can take it between closing and
    // renaming; the handle's close then reports what the system still had to write.
    if (!RenameOver(file, name_)) return false;
    placed_ = true;
    fd_ = -1;
    return win::Handle(file).Close();
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    win::Handle file = win::OpenPath(path, 0, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || !Describe(file.get(), info)) return std::nullopt;
    return IdentityIn(info);
}

NameLookup LookUpName(const std::string& path) {
    // The attributes are those of a link itself, so a link that leads nowhere still takes its name.
    if (GetFileAttributesW(win::WidePath(path).c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    return {true, IdentityOf(path)};
}

bool SizeAndModified(const std::string& path, std::int64_t& size, FileTime& time) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(win::WidePath(path).c_str(), GetFileExInfoStandard, &data))
        return false;
    time = win::TimeOf(data.ftLastWriteTime);
    size = -1;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        const ReadOnlyFile file(path);
        if (file.error() == 0 && !file.isDirectory()) size = file.size();
    }
    return true;
}

bool IsListableDirectory(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(win::WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return false;
    WIN32_FIND_DATAW entry{};
    const HANDLE walk = FindFirstFileW(win::WidePath(JoinPath(path, "*")).c_str(), &entry);
    if (walk == INVALID_HANDLE_VALUE) return false;
    FindClose(walk);
    return true;
}

}  // namespace platform
