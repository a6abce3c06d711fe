#pragma once
#include <cstdint>

namespace platform {

// An owner window as the OS knows it (a native window id); 0 means "no owner".
using WindowHandle = std::uintptr_t;

}  // namespace platform
