#include "CliProgressSink.h"

#include <algorithm>

#include "CliInterrupt.h"
#include "CliQuestions.h"
#include "Terminal.h"
#include "mdlString.h"

namespace tunewrap::cli {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;
constexpr int kDefaultWidth = 80;

// Keeps at most `columns` characters, never cutting a UTF-8 sequence in two; control
// characters in a name would break the line and show as "?".
std::string FitColumns(const std::string& text, int columns) {
    std::string fitted;
    int used = 0;
    for (char c : platform::TerminalSafe(text)) {
        if (mdlString::StartsCharacter(c) && ++used > columns) break;
        fitted += c;
    }
    return fitted;
}

int TerminalWidth(std::FILE* out) {
    const int columns = platform::TerminalColumns(out);
    return columns > 0 ? columns : kDefaultWidth;
}

// The line as drawn, without cursor control; width is the terminal's column count.
std::string ProgressLine(const std::string& fileName, std::int64_t done, std::int64_t total,
                         int width) {
    int percent = ProgressPercent(done, total);
    int filled = percent * kBarWidth / 100;
    std::string tail = " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') +
                       "] " + std::to_string(percent) + "%";
    // One column stays free so that the cursor never wraps to a new line.
    int nameColumns = std::max(0, width - 1 - static_cast<int>(tail.size()));
    return FitColumns(fileName, nameColumns) + tail;
}

}  // namespace

CliProgressSink::CliProgressSink(bool drawBar, std::FILE* out) : drawBar_(drawBar), out_(out) {}

void CliProgressSink::SetFileName(const std::string& fileName) {
    fileName_ = fileName;
}

void CliProgressSink::SetTotal(std::int64_t total) {
    total_ = total;
}

void CliProgressSink::SetDone(std::int64_t done) {
    done_ = done;
    Draw(false);
}

void CliProgressSink::ShowDialog() {
    shown_ = true;
    Draw(true);
}

void CliProgressSink::CloseDialog() {
    if (shown_ && drawBar_) {
        std::fputs("\r\033[K", out_);
        std::fflush(out_);
    }
    shown_ = false;
    drawnPercent_ = -1;
}

bool CliProgressSink::CancelRequested() const {
    return Interrupted();
}

void CliProgressSink::Draw(bool force) {
    if (!shown_ || !drawBar_) return;
    auto now = std::chrono::steady_clock::now();
    int percent = ProgressPercent(done_, total_);
    if (!force && (percent == drawnPercent_ || now - drawnAt_ < kRedrawInterval)) return;
    drawnPercent_ = percent;
    drawnAt_ = now;
    std::string line = ProgressLine(fileName_, done_, total_, TerminalWidth(out_));
    std::fprintf(out_, "\r%s\033[K", line.c_str());
    std::fflush(out_);
}

}  // namespace tunewrap::cli
