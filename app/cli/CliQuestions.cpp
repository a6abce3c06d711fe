#include "CliQuestions.h"

#include <cctype>
#include <cerrno>

#include "CliInterrupt.h"
#include "Terminal.h"

namespace tunewrap::cli {
namespace {

const char* Prompt(MsgButton defaultButton) {
    return defaultButton == MsgButton::Yes ? "[Y/n]" : "[y/N]";
}

const char* AnswerWord(MsgButton answer) {
    return answer == MsgButton::Yes ? "y" : "n";
}

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

CliQuestions::CliQuestions(bool interactive, bool skipUnsuitable, bool skipExisting, bool quiet,
                           std::FILE* in, std::FILE* out)
    : interactive_(interactive),
      skipUnsuitable_(skipUnsuitable),
      skipExisting_(skipExisting),
      quiet_(quiet),
      in_(in),
      out_(out) {}

bool CliQuestions::AnsweredNo(QuestionKind kind) const {
    return (skipUnsuitable_ && kind == QuestionKind::Unsuitable) ||
           (skipExisting_ && kind == QuestionKind::FileExists);
}

// No to going on after a failed file ends the whole run.
MsgButton CliQuestions::Ask(QuestionKind kind, const TextLines& text, const std::string& title,
                            MsgButton defaultButton) {
    const bool typed = interactive_ && !AnsweredNo(kind);
    if (typed || !quiet_) {
        // Nothing of the text may move the cursor or start an escape sequence.
        std::fprintf(out_, "%s\n%s %s ", title.c_str(),
                     platform::TerminalSafe(JoinLines(text, "\n"), true).c_str(),
                     Prompt(defaultButton));
    }
    MsgButton answer = typed ? ReadAnswer(defaultButton) : Default(kind, defaultButton);
    if (kind == QuestionKind::ConversionFailed && answer == MsgButton::No) stopRequested_ = true;
    return answer;
}

MsgButton CliQuestions::Default(QuestionKind kind, MsgButton defaultButton) {
    const MsgButton answer = AnsweredNo(kind) ? MsgButton::No : defaultButton;
    if (quiet_) return answer;
    // Shown as if typed, so that a log reads like the terminal session would.
    std::fprintf(out_, "%s\n", AnswerWord(answer));
    std::fflush(out_);
    return answer;
}

MsgButton CliQuestions::ReadAnswer(MsgButton defaultButton) {
    std::fflush(out_);
    while (true) {
        std::string line;
        int c;
        while ((c = std::fgetc(in_)) != EOF && c != '\n') line += static_cast<char>(c);
        if (Interrupted()) {
            // Ctrl+C while a question waits: write nothing more; the batch stops next.
            std::fputc('\n', out_);
            return MsgButton::No;
        }
        if (c == EOF && std::ferror(in_) && errno == EINTR) {
            std::clearerr(in_);  // another signal woke us up: keep waiting
            continue;
        }
        if (c == EOF && line.empty()) {
            // End of input (Ctrl+D) or a terminal that went away: the box's default.
            std::clearerr(in_);
            std::fprintf(out_, "%s\n", AnswerWord(defaultButton));
            return defaultButton;
        }
        std::string word = Lowered(line);
        if (word.empty()) return defaultButton;
        if (word == "y" || word == "yes") return MsgButton::Yes;
        if (word == "n" || word == "no") return MsgButton::No;
        std::fprintf(out_, "Please answer y or n %s ", Prompt(defaultButton));
        std::fflush(out_);
    }
}

}  // namespace tunewrap::cli
