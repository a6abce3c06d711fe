#include "Terminal.h"

#include "mdlString.h"

namespace platform {
namespace {

// The bytes of the UTF-8 character starting at `i`, or 1 where none starts whole.
std::size_t CharacterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (lead > 0xF4 || i + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k)
        if (mdlString::StartsCharacter(text[i + k])) return 1;
    return length;
}

}  // namespace

std::string TerminalSafe(std::string_view text, bool keepNewlines) {
    constexpr unsigned char kDelete = 0x7F, kC1Lead = 0xC2, kC1First = 0x80, kC1Last = 0x9F;
    std::string shown;
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        length = CharacterLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(length == 2 ? text[i + 1] : 0);
        // A C1 byte on its own is an escape to an 8-bit terminal.
        const bool c1 = (length == 1 && byte >= kC1First && byte <= kC1Last) ||
                        (length == 2 && byte == kC1Lead && next <= kC1Last);
        const bool control =
            (byte < ' ' && !(keepNewlines && byte == '\n')) || byte == kDelete || c1;
        if (control) {
            shown += '?';
        } else {
            shown += text.substr(i, length);
        }
    }
    return shown;
}

std::string ShownOn(std::FILE* stream, const std::string& text) {
    return IsTerminal(stream) ? TerminalSafe(text) : text;
}

}  // namespace platform
