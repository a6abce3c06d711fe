#pragma once
#include <cstdio>
#include <string>

#include "ConversionHost.h"

namespace tunewrap::cli {

// Answers the batch jobs' Yes/No questions. On a terminal the user answers; otherwise each
// question takes its default. Either way the question and its answer are written to `out`.
class CliQuestions {
  public:
    CliQuestions(bool interactive, bool skipUnsuitable, std::FILE* in, std::FILE* out);

    MsgButton Ask(const std::string& text, const std::string& title, MsgButton defaultButton);
    // True once the user declined to go on after a failed file: later batches do not start.
    bool StopRequested() const { return stopRequested_; }

  private:
    MsgButton Answer(const std::string& title, MsgButton defaultButton);
    MsgButton ReadAnswer(MsgButton defaultButton);

    bool interactive_;
    bool skipUnsuitable_;
    std::FILE* in_;
    std::FILE* out_;
    bool stopRequested_ = false;
};

// The text as a terminal shows it: the message box's "\r\n" line ends become newlines.
std::string TerminalText(const std::string& text);

}  // namespace tunewrap::cli
