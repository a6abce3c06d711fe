#pragma once
#include <string>

namespace tunewrap {

inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 35;

// "Tunewrap - v0.35": the minor number always has at least two digits (5 shows as 05).
inline std::string VersionTitle() {
    std::string minor = std::to_string(kVersionMinor);
    if (minor.size() < 2) minor.insert(0, 2 - minor.size(), '0');
    return "Tunewrap - v" + std::to_string(kVersionMajor) + "." + minor;
}

}  // namespace tunewrap
