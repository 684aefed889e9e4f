// The stop signals seam over the console's control events and SIGTERM.
#include <windows.h>

#include <csignal>

#include "platform/stop_signals.h"

namespace zerin {

namespace {

volatile LONG stopRequested = 0;

BOOL WINAPI OnControlEvent(DWORD) {
    InterlockedExchange(&stopRequested, 1);
    return TRUE;
}

void RequestStop(int) {
    InterlockedExchange(&stopRequested, 1);
}

}  // namespace

void PlatformStopSignals::Catch() {
    SetConsoleCtrlHandler(OnControlEvent, TRUE);
    std::signal(SIGTERM, RequestStop);
}

bool PlatformStopSignals::Requested() {
    return InterlockedCompareExchange(&stopRequested, 0, 0) != 0;
}

}  // namespace zerin
