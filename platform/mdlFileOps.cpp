// The parts of mdlFileOps that are the same on every system.
#include "mdlFileOps.h"

#include "FileIo.h"
#include "FileWalk.h"
#include "PathJoin.h"

namespace mdlFileOps {

namespace {

walk::Walk* WalkOf(SearchHandle handle) {
    return reinterpret_cast<walk::Walk*>(handle);
}

void CloseWalk(SearchHandle& handle) {
    walk::Close(WalkOf(handle));
    handle = 0;
}

}  // namespace

bool FileExists(const std::string& path) {
    std::string directory, name;
    platform::SplitPath(path, directory, name);
    if (!walk::HasWildcard(name)) return walk::Exists(path);
    SearchHandle search = 0;
    const bool found = !FindFile(search, path, 0).empty();
    FindFile(search, path, FIND_ABANDON);
    return found;
}

std::string FindFile(SearchHandle& hSearch, const std::string& sFileMask,
                     std::int32_t lAttributes) {
    if (lAttributes == FIND_ABANDON) {
        CloseWalk(hSearch);
        return {};
    }
    if (hSearch == 0) {
        walk::Walk* opened = walk::Open(sFileMask);
        if (!opened) return {};
        hSearch = reinterpret_cast<SearchHandle>(opened);
    }
    std::string name;
    std::int32_t attributes = 0;
    while (walk::Next(*WalkOf(hSearch), name, attributes)) {
        if (name == "." || name == "..") continue;
        if (lAttributes == 0 || (attributes & lAttributes) != 0) return name;
    }
    CloseWalk(hSearch);
    return {};
}

std::int64_t GetFileLength(const std::string& path) {
    std::int64_t size = -1;
    platform::FileTime unused;
    return platform::SizeAndModified(path, size, unused) ? size : -1;
}

}  // namespace mdlFileOps
