#include <windows.h>

#include "SystemTimer.h"

namespace platform {

std::uint32_t GetTickCount() {
    return ::GetTickCount();
}

}  // namespace platform
