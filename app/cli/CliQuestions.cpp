#include "CliQuestions.h"

#include <cctype>
#include <cerrno>

#include "CliInterrupt.h"

namespace tunewrap::cli {
namespace {

// The suitability warning, which --skip-unsuitable answers with No, and the question whether
// to go on after a failed file, whose No ends the whole run.
constexpr const char* kWarningTitle = "Warning";
constexpr const char* kFailedTitle = "Conversion Failed";

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

std::string TerminalText(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        shown += text[i];
    }
    return shown;
}

CliQuestions::CliQuestions(bool interactive, bool skipUnsuitable, std::FILE* in, std::FILE* out)
    : interactive_(interactive), skipUnsuitable_(skipUnsuitable), in_(in), out_(out) {}

MsgButton CliQuestions::Ask(const std::string& text, const std::string& title,
                            MsgButton defaultButton) {
    std::fprintf(out_, "%s\n%s %s ", title.c_str(), TerminalText(text).c_str(),
                 Prompt(defaultButton));
    MsgButton answer = Answer(title, defaultButton);
    if (title == kFailedTitle && answer == MsgButton::No) stopRequested_ = true;
    return answer;
}

MsgButton CliQuestions::Answer(const std::string& title, MsgButton defaultButton) {
    if (interactive_ && !(skipUnsuitable_ && title == kWarningTitle)) {
        return ReadAnswer(defaultButton);
    }
    MsgButton answer = title == kWarningTitle && skipUnsuitable_ ? MsgButton::No : defaultButton;
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
