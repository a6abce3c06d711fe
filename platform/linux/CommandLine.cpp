#include "CommandLine.h"

namespace platform {

std::vector<std::string> StartCommandLine(int argc, char** argv) {
    return {argv, argv + argc};
}

}  // namespace platform
