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

}  // namespace platform
