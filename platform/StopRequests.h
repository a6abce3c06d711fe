#pragma once

namespace tunewrap::platform {

// The requests from outside to stop the program: Ctrl+C, a termination request (kill, a service
// manager's stop, a logout) and a hang-up. Once caught, the first one is only recorded, for the
// program to finish what it must and end; a second one ends the program at once.
// A request the caller chose to ignore (a background job's Ctrl+C, nohup's hang-up) stays
// ignored; a termination request is always caught. A wait for input is woken by a request.
void CatchStopRequests();
// 0 until a request arrived; then the status a shell would report for it (128 + its number).
int StopRequestStatus();

// Ends the program as one whose reader went away ends (quietly, as killed by that signal), also
// when the signal was inherited as ignored.
[[noreturn]] void EndAsReaderGone();

}  // namespace tunewrap::platform
