#pragma once
#include <cstdint>

namespace platform::testing {

// Writes through named part files even where the file system could keep them unnamed, so that
// tests reach the path taken on file systems without unnamed files (or without /proc).
void UseNamedPartFilesOnly(bool namedOnly);
// Lets the kernel move at most `bytes` of a copy's bytes from now on (-1: no limit), then moves
// none, as a file system without the call would, so that tests reach the read-and-write path.
void LimitKernelCopy(std::int64_t bytes);

}  // namespace platform::testing
