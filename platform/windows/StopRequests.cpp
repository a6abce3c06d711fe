#include "StopRequests.h"

#include <windows.h>

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace tunewrap::platform {
namespace {

// The status a shell would report for a program ended by the matching signal elsewhere, so that
// scripts read one number on every system: 130 for Ctrl+C, 143 for a termination request.
constexpr int kSignalStatusBase = 128;
// A closing console, logoff or shutdown ends the program as soon as the handler returns; the
// handler holds it this long so the run can remove its part file and end on its own first.
constexpr DWORD kGraceMilliseconds = 4000;
// What a program ends with whose reader went away (128 + SIGPIPE elsewhere).
constexpr int kReaderGoneStatus = 141;

// The status for the request that asked the run to end, 0 until one did. The console's handler
// thread writes it while the workers read it: a lock-free atomic serves both.
std::atomic<int> gRequest{0};
static_assert(std::atomic<int>::is_always_lock_free);

BOOL WINAPI OnStopRequest(DWORD event) {
    const bool interrupt = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
    const int status = kSignalStatusBase + (interrupt ? SIGINT : SIGTERM);
    // The first request is still being honoured when a second comes: the user insists, and the
    // system's own handling ends the program.
    if (int none = 0; !gRequest.compare_exchange_strong(none, status)) return FALSE;
    if (!interrupt) Sleep(kGraceMilliseconds);
    return TRUE;
}

}  // namespace

void CatchStopRequests() {
    SetConsoleCtrlHandler(&OnStopRequest, TRUE);
}

int StopRequestStatus() {
    return gRequest.load();
}

void EndAsReaderGone() {
    std::_Exit(kReaderGoneStatus);
}

}  // namespace tunewrap::platform
