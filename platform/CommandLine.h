#pragma once
#include <string>
#include <vector>

namespace platform {

// The program's arguments in UTF-8, whatever form the system hands them over in; also readies
// the standard output streams to pass UTF-8 and line ends on byte for byte. Called once, first.
std::vector<std::string> StartCommandLine(int argc, char** argv);

}  // namespace platform
