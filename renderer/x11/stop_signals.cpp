#include "renderer/x11/stop_signals.h"

#include <signal.h>

namespace altostrat {
namespace {

// The one piece of state outside the program's struct: a signal handler can reach nothing else.
volatile sig_atomic_t stopSignalled = 0;

void OnStopSignal(int) {
    stopSignalled = 1;
}

}  // namespace

void InstallStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool StopSignalled() {
    return stopSignalled != 0;
}

}  // namespace altostrat
