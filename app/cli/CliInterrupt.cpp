#include "CliInterrupt.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "StopRequests.h"

namespace tunewrap::cli {
namespace {

// The first reason stdout could not be written, 0 while it could.
int gOutputError = 0;

}  // namespace

void InstallInterruptHandler() {
    platform::CatchStopRequests();
}

bool Interrupted() {
    return platform::StopRequestStatus() != 0;
}

int InterruptedExitStatus() {
    return platform::StopRequestStatus();
}

void OutputFailed(int error) {
    if (error == EPIPE) platform::EndAsReaderGone();
    if (gOutputError == 0) gOutputError = error != 0 ? error : EIO;
}

int WithOutputChecked(int status) {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) OutputFailed(errno);
    if (gOutputError == 0) return status;
    std::fprintf(stderr, "tunewrap-cli: write error: %s\n", std::strerror(gOutputError));
    return status == 0 ? 1 : status;
}

}  // namespace tunewrap::cli
