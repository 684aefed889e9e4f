// The stop signals seam over the console's control events and SIGTERM.
#include <windows.h>

#include <csignal>

#include "platform/stop_signals.h"

namespace zerin {

namespace {

volatile LONG stopSignal = 0;

// Ctrl-C is SIGINT; Ctrl-Break and closing the console end the tool as SIGTERM does.
BOOL WINAPI OnControlEvent(DWORD event) {
    InterlockedExchange(&stopSignal, event == CTRL_C_EVENT ? SIGINT : SIGTERM);
    return TRUE;
}

void RequestStop(int signal) {
    InterlockedExchange(&stopSignal, signal);
}

}  // namespace

void PlatformStopSignals::Catch() {
    SetConsoleCtrlHandler(OnControlEvent, TRUE);
    std::signal(SIGTERM, RequestStop);
}

int PlatformStopSignals::Received() {
    return static_cast<int>(InterlockedCompareExchange(&stopSignal, 0, 0));
}

}  // namespace zerin
