#pragma once
#include <cstdint>
#include <string>

// What each system supplies to the directory walks of mdlFileOps; the walk's handle, the
// skipping of "." and "..", the attribute filter and FileExists are common to all.
namespace mdlFileOps::walk {

// One open walk, as the system keeps it.
struct Walk;

// A walk over `mask` (a directory and a name, with or without * and ?); null when there is
// nothing to walk.
Walk* Open(const std::string& mask);
// The next entry's name and attributes; false at the end.
bool Next(Walk& walk, std::string& name, std::int32_t& attributes);
void Close(Walk* walk);

// Whether anything has the name `path`; a link that leads nowhere counts.
bool Exists(const std::string& path);

inline bool HasWildcard(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

}  // namespace mdlFileOps::walk
