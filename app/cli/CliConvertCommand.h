#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "CliHost.h"
#include "CliQuestions.h"
#include "ProgressSink.h"

namespace tunewrap::cli {

// Runs to-bmu / to-mp3 over the files as given and prints one line per file to `out`:
//   FILE: converted to PATH | skipped: exists | skipped: unsuitable | failed: REASON
//       | cancelled | not reached
// outputDir empty means "next to each source". Returns the exit status: 0 when every file was
// converted, 1 otherwise, 130 after Ctrl+C, 143 after SIGTERM.
int RunConvert(const ConvertOptions& options, const std::string& outputDir,
               const std::vector<std::string>& files, CliQuestions& questions, ProgressSink& sink,
               std::FILE* out);

}  // namespace tunewrap::cli
