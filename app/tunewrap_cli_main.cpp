#include "CommandLine.h"
#include "cli/CliApp.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments = platform::StartCommandLine(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return tunewrap::cli::RunCli(static_cast<int>(arguments.size()), pointers.data());
}
