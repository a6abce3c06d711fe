#include "CliInterrupt.h"

#include <signal.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace tunewrap::cli {
namespace {

// The signal that asked the run to end, 0 until one did.
volatile std::sig_atomic_t gInterrupted = 0;

// The first reason stdout could not be written, 0 while it could.
int gOutputError = 0;

extern "C" void OnInterrupt(int signalNumber) {
    if (gInterrupted) {
        // The first request is still being honoured; the user insists.
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    gInterrupted = signalNumber;
}

}  // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer must wake up and give way.
    action.sa_flags = 0;
    // kill(1), a logout or a service manager's stop cancel like Ctrl+C does, so that no partial
    // file is left behind.
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        // A shell starts its background jobs with Ctrl+C ignored, and nohup ignores the
        // hang-up: what the caller chose to ignore stays ignored. SIGTERM is always honoured.
        struct sigaction previous {};
        const bool ignored =
            sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN;
        if (ignored && signalNumber != SIGTERM) continue;
        sigaction(signalNumber, &action, nullptr);
    }
}

bool Interrupted() {
    return gInterrupted != 0;
}

int InterruptedExitStatus() {
    return 128 + gInterrupted;
}

void OutputFailed(int error) {
    if (error == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
        std::_Exit(128 + SIGPIPE);  // only if SIGPIPE is blocked
    }
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
