#pragma once
#include <string>

namespace platform {

inline constexpr char kPathSeparator = '/';
#ifdef _WIN32
// Windows takes either slash, and a drive ("C:") is a root of its own.
inline constexpr const char* kPathSeparators = "/\\";
inline constexpr bool kDriveRoots = true;
#else
inline constexpr const char* kPathSeparators = "/";
inline constexpr bool kDriveRoots = false;
#endif

// One separator is always inserted, also after a trailing one: "/music/" and "a.mp3" give
// "/music//a.mp3", which the file system reads as "/music/a.mp3". The lists and the batch jobs
// build every path this way, so a root directory ("/") needs no special case.
inline std::string JoinPath(const std::string& dir, const std::string& name) {
    return dir + kPathSeparator + name;
}

// "music/" and "music" are one directory; a root stays a root.
inline std::string WithoutTrailingSeparators(std::string dir) {
    const std::string separators = kPathSeparators;
    while (dir.size() > 1 && separators.find(dir.back()) != std::string::npos &&
           !(kDriveRoots && dir[dir.size() - 2] == ':'))
        dir.pop_back();
    return dir;
}

// The directory part and the last component of a path; the directory is "." for a bare name.
inline void SplitPath(const std::string& path, std::string& dir, std::string& name) {
    const std::size_t slash = path.find_last_of(kPathSeparators);
    if (slash == std::string::npos) {
        dir = std::string(".");  // not operator=(const char*): GCC 12 warns falsely (bug 105329)
        name = path;
    } else {
        const bool root = slash == 0 || (kDriveRoots && path[slash - 1] == ':');
        dir = path.substr(0, root ? slash + 1 : slash);
        name = path.substr(slash + 1);
    }
}

// The directory part alone: "." for a bare name, "/" for a name at the root and for the root.
inline std::string ParentPath(const std::string& path) {
    std::string dir, name;
    SplitPath(path, dir, name);
    return dir;
}

// The last component alone.
inline std::string FileNamePart(const std::string& path) {
    std::string dir, name;
    SplitPath(path, dir, name);
    return name;
}

}  // namespace platform
