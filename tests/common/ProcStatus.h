#pragma once
#include <fstream>
#include <string>

// A figure of /proc/self/status in KiB ("VmPeak", "VmHWM"...), 0 where there is none.
inline long ProcStatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field + ":")) return std::stol(line.substr(field.size() + 1));
    return 0;
}
