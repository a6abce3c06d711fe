#include "mdlFileOps.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "FileIo.h"
#include "FileWalk.h"
#include "PathJoin.h"
#include "SystemTimeRecord.h"
#include "Trash.h"

namespace mdlFileOps {

namespace {

constexpr std::int32_t kAttributeArchive = 0x20;

// Only * and ? are wildcards in a mask; brackets and backslashes are ordinary characters.
std::string EscapeForFnmatch(const std::string& name) {
    std::string pattern;
    for (char c : name) {
        if (c == '[' || c == ']' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return pattern;
}

// The tail a mask of the form "*.ext" asks for, when that tail is plain ASCII: a list of a large
// folder matches every name, and fnmatch's case folding was a tenth of the window's start-up.
// UTF-8 never puts an ASCII byte inside another character, so comparing the last bytes with
// ASCII case folding answers as fnmatch does.
std::optional<std::string> LiteralTail(const std::string& name) {
    if (name.empty() || name[0] != '*') return std::nullopt;
    const std::string tail = name.substr(1);
    const bool plain = std::all_of(tail.begin(), tail.end(), [](unsigned char c) {
        return c >= 0x20 && c < 0x7F && c != '*' && c != '?';
    });
    return plain ? std::optional(tail) : std::nullopt;
}

bool EndsWithFolded(std::string_view name, std::string_view tail) {
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return name.size() >= tail.size() &&
           std::equal(tail.begin(), tail.end(),
                      name.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [&](char a, char b) { return fold(a) == fold(b); });
}

std::int32_t AttributesOf(bool isDirectory) {
    return isDirectory ? FILE_ATTRIBUTE_DIRECTORY : kAttributeArchive;
}

bool IsDirectoryAt(DIR* directory, const dirent* entry) {
    if (entry->d_type == DT_DIR) return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return false;
    struct stat st {};
    return fstatat(dirfd(directory), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

// Whole seconds between UTC and local time now. Both directions use this same offset, so a time
// read from one file and written to another arrives unchanged whatever the season.
long CurrentUtcOffset() {
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    return local.tm_gmtoff;
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

using record::kFirstYear;
using record::kLastYear;

SYSTEMTIME ToLocalRecord(const timespec& utc) {
    const time_t local = utc.tv_sec + CurrentUtcOffset();
    tm fields{};
    if (!gmtime_r(&local, &fields)) return {};
    const int year = fields.tm_year + 1900;
    if (year < static_cast<int>(kFirstYear) || year > static_cast<int>(kLastYear)) return {};
    SYSTEMTIME t;
    t.wYear = static_cast<std::uint16_t>(year);
    t.wMonth = static_cast<std::uint16_t>(fields.tm_mon + 1);
    t.wDayOfWeek = static_cast<std::uint16_t>(fields.tm_wday);
    t.wDay = static_cast<std::uint16_t>(fields.tm_mday);
    t.wHour = static_cast<std::uint16_t>(fields.tm_hour);
    t.wMinute = static_cast<std::uint16_t>(fields.tm_min);
    t.wSecond = static_cast<std::uint16_t>(fields.tm_sec);
    t.wMilliseconds = static_cast<std::uint16_t>(utc.tv_nsec / 1000000);
    return t;
}

timespec ToUtc(const SYSTEMTIME& t) {
    const std::int64_t localSeconds = DaysFromCivil(t.wYear, t.wMonth, t.wDay) * 86400 +
                                      t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
    timespec utc{};
    utc.tv_sec = static_cast<time_t>(localSeconds - CurrentUtcOffset());
    utc.tv_nsec = static_cast<long>(t.wMilliseconds) * 1000000;
    return utc;
}

void DeleteOne(const std::string& path, bool bPermanent) {
    if (!bPermanent) {
        platform::trash::MoveToTrash(path);
        return;
    }
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

}  // namespace

namespace walk {

// The open state of one walk, owned by the caller's handle until the walk ends.
struct Walk {
    DIR* directory = nullptr;  // a mask walk
    std::string pattern;
    std::optional<std::string> literalTail;  // set where the pattern is "*" and a plain tail
    std::string exactName;  // a lookup without wildcards yields at most this one name
    std::string exactPath;
    bool exactDone = false;
    ~Walk() {
        if (directory) closedir(directory);
    }
};

Walk* Open(const std::string& mask) {
    auto walk = std::make_unique<Walk>();
    std::string directory, name;
    platform::SplitPath(mask, directory, name);
    if (HasWildcard(name)) {
        walk->directory = opendir(directory.c_str());
        if (!walk->directory) return nullptr;
        walk->pattern = EscapeForFnmatch(name);
        walk->literalTail = LiteralTail(name);
    } else {
        struct stat st {};
        if (name.empty() || lstat(mask.c_str(), &st) != 0) return nullptr;
        walk->exactName = name;
        walk->exactPath = mask;
    }
    return walk.release();
}

bool Next(Walk& walk, std::string& name, std::int32_t& attributes) {
    if (!walk.directory) {
        if (walk.exactDone) return false;
        walk.exactDone = true;
        struct stat st {};
        name = walk.exactName;
        attributes = AttributesOf(stat(walk.exactPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
        return true;
    }
    while (const dirent* entry = readdir(walk.directory)) {
        const bool matches = walk.literalTail
                                 ? EndsWithFolded(entry->d_name, *walk.literalTail)
                                 : fnmatch(walk.pattern.c_str(), entry->d_name, FNM_CASEFOLD) == 0;
        if (!matches) continue;
        name = entry->d_name;
        attributes = AttributesOf(IsDirectoryAt(walk.directory, entry));
        return true;
    }
    return false;
}

void Close(Walk* walk) {
    delete walk;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

}  // namespace walk

void ShellDelete(platform::WindowHandle, const std::string& sFileList, const std::string&, bool,
                 bool bPermanent, bool bIncludeFolders) {
    std::size_t start = 0;
    while (start <= sFileList.size()) {
        std::size_t end = sFileList.find('\0', start);
        if (end == std::string::npos) end = sFileList.size();
        const std::string path = sFileList.substr(start, end - start);
        start = end + 1;
        if (path.empty()) continue;
        std::string directory, name;
        platform::SplitPath(path, directory, name);
        // "*" and "?" may be part of a file name here: a path that exists as written is that
        // entry alone, or deleting "a*.mp3" would take every name it matches along with it.
        struct stat st {};
        if (!walk::HasWildcard(name) || lstat(path.c_str(), &st) == 0) {
            DeleteOne(path, bPermanent);
            continue;
        }
        const std::int32_t wanted = bIncludeFolders ? 0 : kAttributeArchive;
        SearchHandle walk = 0;
        for (std::string match = FindFile(walk, path, wanted); !match.empty();
             match = FindFile(walk, path, wanted)) {
            DeleteOne(platform::JoinPath(directory, match), bPermanent);
        }
    }
}

SYSTEMTIME GetFileDateTime(const std::string& path) {
    const platform::ReadOnlyFile file(path);
    if (file.error() != 0 || file.isDirectory()) return {};
    const platform::FileTime modified = file.modified();
    return ToLocalRecord(
        {static_cast<time_t>(modified.seconds), static_cast<long>(modified.nanoseconds)});
}

void SetFileDateTime(const std::string& path, const SYSTEMTIME& time) {
    if (!record::IsValid(time)) return;
    timespec times[2] = {};
    times[0].tv_nsec = UTIME_OMIT;  // last access stays
    times[1] = ToUtc(time);
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

}  // namespace mdlFileOps
