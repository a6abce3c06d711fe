#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#include "ConversionHost.h"

namespace tunewrap::cli {

// Answers the batch jobs' Yes/No questions. On a terminal the user answers; otherwise each
// question takes its default. Either way the question and its answer are written to `out`.
class CliQuestions {
  public:
    // quiet: a question that takes its default is not written at all. skipUnsuitable and
    // skipExisting answer "Warning" and "File Exists" with no, asking no one.
    CliQuestions(bool interactive, bool skipUnsuitable, bool skipExisting, bool quiet,
                 std::FILE* in, std::FILE* out);

    MsgButton Ask(QuestionKind kind, const TextLines& text, const std::string& title,
                  MsgButton defaultButton);
    // True once the user declined to go on after a failed file: later batches do not start.
    bool StopRequested() const { return stopRequested_; }

  private:
    bool AnsweredNo(QuestionKind kind) const;
    MsgButton Default(QuestionKind kind, MsgButton defaultButton);
    MsgButton ReadAnswer(MsgButton defaultButton);

    bool interactive_;
    bool skipUnsuitable_;
    bool skipExisting_;
    bool quiet_;
    std::FILE* in_;
    std::FILE* out_;
    bool stopRequested_ = false;
};

}  // namespace tunewrap::cli
