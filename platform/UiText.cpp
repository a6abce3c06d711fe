#include "UiText.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<TextLookup> gLookup{nullptr};
}

std::string Tr(const char* context, const char* source) {
    const TextLookup lookup = gLookup.load(std::memory_order_acquire);
    return lookup ? lookup(context, source) : std::string(source);
}

std::string Filled(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t index =
            i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && index < values.size()) {
            filled += values.begin()[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

void SetTextLookup(TextLookup lookup) {
    gLookup.store(lookup, std::memory_order_release);
}

}  // namespace platform
