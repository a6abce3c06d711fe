#pragma once

namespace tunewrap::cli {

// Ctrl+C ends the whole run: the copy in progress stops and removes what it wrote, no further
// file or batch is started, and the program exits 130. A second Ctrl+C kills the program at once.
void InstallInterruptHandler();
bool Interrupted();

}  // namespace tunewrap::cli
