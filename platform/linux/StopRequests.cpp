#include "StopRequests.h"

#include <signal.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace tunewrap::platform {
namespace {

// The signal that asked the run to end, 0 until one did. Re-encoding threads read it while the
// handler writes it on another: only a lock-free atomic is safe for both.
std::atomic<int> gRequest{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnStopRequest(int signalNumber) {
    int none = 0;
    if (!gRequest.compare_exchange_strong(none, signalNumber)) {
        // The first request is still being honoured; the user insists.
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
    }
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
    const int request = gRequest.load();
    return request == 0 ? 0 : 128 + request;
}

void EndAsReaderGone() {
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);  // only if SIGPIPE is blocked
}

}  // namespace tunewrap::platform
