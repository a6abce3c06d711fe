#include "Terminal.h"

namespace platform {

std::string TerminalSafe(std::string_view text, bool keepNewlines) {
    constexpr unsigned char kDelete = 0x7F, kC1Lead = 0xC2, kC1First = 0x80, kC1Last = 0x9F;
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == kC1Lead && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= kC1First &&
                        static_cast<unsigned char>(text[i + 1]) <= kC1Last;
        if (c1) ++i;
        const bool control = (byte < ' ' && !(keepNewlines && byte == '\n')) || byte == kDelete;
        shown += control || c1 ? '?' : text[i];
    }
    return shown;
}

std::string ShownOn(std::FILE* stream, const std::string& text) {
    return IsTerminal(stream) ? TerminalSafe(text) : text;
}

}  // namespace platform
