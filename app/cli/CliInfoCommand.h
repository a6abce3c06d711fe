#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tunewrap::cli {

// Reads each file's frame headers and prints them with the suitability issues for the chosen
// expectation (renameWav: 96 kbit/s mono; else 128 kbit/s stereo), as text or as one JSON
// array. Returns 0 when every file could be read, else 1.
int RunInfo(const std::vector<std::string_view>& files, bool renameWav, bool asJson,
            std::FILE* out);

}  // namespace tunewrap::cli
