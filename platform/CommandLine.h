#pragma once

namespace platform {

// The program's arguments in UTF-8, whatever form the system hands them over in; also readies
// the standard output streams to pass UTF-8 and line ends on byte for byte. Called once, first.
// The arguments stay valid until the process ends, so a long file list is never copied.
char** StartCommandLine(int& argc, char** argv);

}  // namespace platform
