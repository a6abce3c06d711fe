#pragma once
#include <cerrno>
#include <cstdio>
#include <string>

#include "CliInterrupt.h"
#include "CliQuestions.h"
#include "Terminal.h"

namespace tunewrap::cli {

// One line per file on `out`, there the moment the file is done.
class FileLines {
  public:
    explicit FileLines(std::FILE* out) : out_(out), terminal_(platform::IsTerminal(out)) {}

    void Print(const std::string& file, const std::string& what) {
        const std::string line = file + ": " + what;
        // A name may hold anything; none of it may reach a terminal as a control sequence.
        std::fprintf(out_, "%s\n", (terminal_ ? platform::TerminalSafe(line) : line).c_str());
        errno = 0;
        if (std::fflush(out_) != 0) OutputFailed(errno);
    }

  private:
    std::FILE* out_;
    bool terminal_;
};

}  // namespace tunewrap::cli
