#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "CliHost.h"
#include "CliQuestions.h"
#include "ProgressSink.h"

namespace tunewrap::cli {

// Runs to-bmu / to-mp3 over the files as given and prints one line per file to `out` as each
// is done:
//   FILE: converted to PATH | skipped: exists | skipped: unsuitable | failed: REASON
//       | cancelled | not reached
// and, unless `summary` is null, the counts to `summary` at the end. outputDir empty means
// "next to each source". Returns the exit status: 0 when every file was converted, 1
// otherwise, 128 + the signal's number after Ctrl+C, SIGTERM or SIGHUP.
int RunConvert(const ConvertOptions& options, const std::string& outputDir,
               const std::vector<std::string_view>& files, CliQuestions& questions,
               ProgressSink& sink, std::FILE* out, std::FILE* summary);

}  // namespace tunewrap::cli
