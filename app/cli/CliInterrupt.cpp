#include "CliInterrupt.h"

#include <signal.h>

#include <csignal>

namespace tunewrap::cli {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int signalNumber) {
    if (gInterrupted) {
        // The first request is still being honoured; the user insists.
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    gInterrupted = 1;
}

}  // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer must wake up and give way.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
}

bool Interrupted() {
    return gInterrupted != 0;
}

}  // namespace tunewrap::cli
