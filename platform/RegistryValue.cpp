#include "RegistryValue.h"

#include "mdlRegistry.h"

namespace mdlRegistry {

namespace {

constexpr std::size_t kReadBufferBytes = 1024;
constexpr const char* kNonStringValue = "ERROR: Non String Value";

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::int32_t FoundValue(std::string text, bool isText, std::string& value) {
    if (text.size() > kReadBufferBytes) {
        value.clear();
        return ERROR_MORE_DATA;
    }
    // The NUL a text may be stored with ends it; it is no part of it.
    if (!text.empty() && text.back() == '\0') text.pop_back();
    value = isText ? TrimSpaces(text) : std::string(kNonStringValue);
    return ERROR_SUCCESS;
}

}  // namespace mdlRegistry
