#include "StopRequests.h"

#include <signal.h>

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace tunewrap::platform {
namespace {

// The signal that asked the run to end, 0 until one did.
volatile std::sig_atomic_t gRequest = 0;

extern "C" void OnStopRequest(int signalNumber) {
    if (gRequest) {
        // The first request is still being honoured; the user insists.
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    gRequest = signalNumber;
}

}  // namespace

void CatchStopRequests() {
    struct sigaction action {};
    action.sa_handler = &OnStopRequest;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer must wake up and give way.
    action.sa_flags = 0;
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        const bool ignored =
            sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN;
        if (ignored && signalNumber != SIGTERM) continue;
        sigaction(signalNumber, &action, nullptr);
    }
}

int StopRequestStatus() {
    return gRequest == 0 ? 0 : 128 + gRequest;
}

void EndAsReaderGone() {
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);  // only if SIGPIPE is blocked
}

}  // namespace tunewrap::platform
