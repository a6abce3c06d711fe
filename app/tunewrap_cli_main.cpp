#include "cli/CliApp.h"

int main(int argc, char** argv) {
    return tunewrap::cli::RunCli(argc, argv);
}
