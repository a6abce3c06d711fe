#pragma once
#include <string>

namespace platform {

inline constexpr char kPathSeparator = '/';

// One separator is always inserted, also after a trailing one: "/music/" and "a.mp3" give
// "/music//a.mp3", which the file system reads as "/music/a.mp3". The lists and the batch jobs
// build every path this way, so a root directory ("/") needs no special case.
inline std::string JoinPath(const std::string& dir, const std::string& name) {
    return dir + kPathSeparator + name;
}

// "music/" and "music" are one directory; a root stays a root.
inline std::string WithoutTrailingSeparators(std::string dir) {
    while (dir.size() > 1 && dir.back() == kPathSeparator) dir.pop_back();
    return dir;
}

// The directory part and the last component of a path; the directory is "." for a bare name.
inline void SplitPath(const std::string& path, std::string& dir, std::string& name) {
    const std::size_t slash = path.find_last_of(kPathSeparator);
    if (slash == std::string::npos) {
        dir = ".";
        name = path;
    } else {
        dir = slash == 0 ? std::string(1, kPathSeparator) : path.substr(0, slash);
        name = path.substr(slash + 1);
    }
}

// The directory part alone: "." for a bare name, "/" for a name at the root and for the root.
inline std::string ParentPath(const std::string& path) {
    std::string dir, name;
    SplitPath(path, dir, name);
    return dir;
}

}  // namespace platform
