#pragma once

namespace tunewrap::cli {

// Ctrl+C, SIGTERM or SIGHUP ends the whole run: the copy in progress stops and removes what it
// wrote, no further file or batch is started, and the program exits 130 (143 for SIGTERM, 129
// for SIGHUP). A second such signal kills the program at once.
void InstallInterruptHandler();
bool Interrupted();
int InterruptedExitStatus();  // 128 + the signal's number, as a shell reports it

// Output on stdout that never arrived (a full disk behind `> file`) fails the run: the first
// reason is kept and said on stderr at the end. A reader that went away (`| head -1`) ends the
// program at once, quietly and as killed by SIGPIPE, as coreutils do (also when SIGPIPE was
// inherited ignored); so it is only called when no copy is in progress.
void OutputFailed(int error);
// Flushes stdout and returns the exit status to end with: `status`, or 1 after a write error.
int WithOutputChecked(int status);

}  // namespace tunewrap::cli
