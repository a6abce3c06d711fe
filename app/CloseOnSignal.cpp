#include "CloseOnSignal.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>

namespace {

int signalPipe[2] = {-1, -1};

// Logout, kill, Ctrl+C in a terminal, and the terminal going away.
constexpr int kClosingSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void WriteSignalByte(int signalNumber) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

CloseOnSignal::CloseOnSignal(QWidget* window) : QObject(window), window_(window) {
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::OnSignal);
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kClosingSignals) {
        struct sigaction previous {};
        // Started through nohup, the window outlives its terminal as asked.
        if (signalNumber == SIGHUP && sigaction(SIGHUP, nullptr, &previous) == 0 &&
            previous.sa_handler == SIG_IGN) {
            continue;
        }
        sigaction(signalNumber, &action, nullptr);
    }
}

CloseOnSignal::~CloseOnSignal() {
    for (const int signalNumber : kClosingSignals) {
        struct sigaction current {};
        if (sigaction(signalNumber, nullptr, &current) != 0 ||
            current.sa_handler != WriteSignalByte) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        sigemptyset(&action.sa_mask);
        sigaction(signalNumber, &action, nullptr);
    }
}

void CloseOnSignal::OnSignal() {
    char drained[64];
    while (::read(signalPipe[0], drained, sizeof drained) > 0) {
    }
    window_->close();
}
