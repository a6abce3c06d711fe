#include "UserMessage.h"

#include <cstdio>

namespace platform {

bool TellUser(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

}  // namespace platform
