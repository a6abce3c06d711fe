#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tunewrap::cli {

struct FixOptions {
    bool renameWav = false;     // 96 kbit/s mono instead of 128 kbit/s joint stereo
    std::string outputDir;      // empty: next to each source
    bool overwrite = false;     // replace an existing NAME.fixed.mp3
    bool skipExisting = false;  // an existing NAME.fixed.mp3 is no fault
    unsigned jobs = 1;          // files re-encoded at once
    bool showProgress = false;  // a progress line on stderr, a terminal
};

// Re-encodes each file that does not suit the game into NAME.fixed.mp3 and prints one line per
// file to `out`, in the order given, as soon as it and those before it are done:
//   FILE: fixed to PATH | skipped: suitable | skipped: exists | failed: REASON | cancelled
//       | not reached
// and, unless `summary` is null, the counts to `summary` at the end. Returns the exit status: 0
// when every file was fixed or already suitable (or, with skipExisting, had its NAME.fixed.mp3
// already), 1 otherwise, 128 + the signal's number after
// Ctrl+C, SIGTERM or SIGHUP.
int RunFix(const FixOptions& options, const std::vector<std::string_view>& files, std::FILE* out,
           std::FILE* summary);

}  // namespace tunewrap::cli
