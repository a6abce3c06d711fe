#include "CommandLine.h"

namespace platform {

char** StartCommandLine(int& /*argc*/, char** argv) {
    return argv;
}

}  // namespace platform
