// The stop signals seam over POSIX signals.
#include <csignal>

#include "platform/stop_signals.h"

namespace zerin {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void RequestStop(int signal) {
    stopSignal = signal;
}

}  // namespace

void PlatformStopSignals::Catch() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int PlatformStopSignals::Received() {
    return stopSignal;
}

}  // namespace zerin
