#pragma once

namespace platform::testing {

// Writes through named part files even where the file system could keep them unnamed, so that
// tests reach the path taken on file systems without unnamed files (or without /proc).
void UseNamedPartFilesOnly(bool namedOnly);

}  // namespace platform::testing
