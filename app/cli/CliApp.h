#pragma once

namespace tunewrap::cli {

// The whole command-line tool: parses the arguments and runs the chosen command. Returns the
// exit status (2 for a usage error).
int RunCli(int argc, char** argv);

}  // namespace tunewrap::cli
