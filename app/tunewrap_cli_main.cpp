#include "CommandLine.h"
#include "cli/CliApp.h"

int main(int argc, char** argv) {
    char** arguments = platform::StartCommandLine(argc, argv);
    return tunewrap::cli::RunCli(argc, arguments);
}
