#pragma once

namespace tunewrap::cli {

// Ctrl+C (or SIGTERM) ends the whole run: the copy in progress stops and removes what it wrote,
// no further file or batch is started, and the program exits 130 (143 for SIGTERM). A second
// such signal kills the program at once.
void InstallInterruptHandler();
bool Interrupted();
int InterruptedExitStatus();  // 128 + the signal's number, as a shell reports it

}  // namespace tunewrap::cli
