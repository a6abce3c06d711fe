#include "CliInterrupt.h"

#include <signal.h>

#include <csignal>
#include <initializer_list>

namespace tunewrap::cli {
namespace {

// The signal that asked the run to end, 0 until one did.
volatile std::sig_atomic_t gInterrupted = 0;

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
    struct sigaction previous {};
    // A shell that starts us in the background ignores Ctrl+C for us; so do we.
    if (sigaction(SIGINT, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer must wake up and give way.
    action.sa_flags = 0;
    // kill(1), a logout or a service manager's stop cancel like Ctrl+C does, so that no partial
    // file is left behind.
    for (const int signalNumber : {SIGINT, SIGTERM}) sigaction(signalNumber, &action, nullptr);
}

bool Interrupted() {
    return gInterrupted != 0;
}

int InterruptedExitStatus() {
    return 128 + gInterrupted;
}

}  // namespace tunewrap::cli
