#include "linux_program/run/stop_signals.h"

#include <signal.h>
#include <unistd.h>

#include <initializer_list>

namespace altostrat {
namespace {

// The one piece of state outside the program's struct: a signal handler can reach nothing else.
struct SignalState {
    volatile sig_atomic_t stopSignalled = 0;
    volatile sig_atomic_t endAtOnce = 0;
};
SignalState signalState;

// Only a call that is safe in a handler.
[[noreturn]] void EndNow(int exitCode) {
    _exit(exitCode);
}

void OnStopSignal(int) {
    signalState.stopSignalled = 1;
    if (signalState.endAtOnce != 0) {
        EndNow(0);
    }
}

}  // namespace

void InstallStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&action.sa_mask, signal);
    }
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

bool StopSignalled() {
    return signalState.stopSignalled != 0;
}

void EndAtOnceOnStop() {
    signalState.endAtOnce = 1;
    if (signalState.stopSignalled != 0) {
        EndNow(0);
    }
}

void EndAtOnceOff() {
    signalState.endAtOnce = 0;
}

void EndAfterLostDisplay() {
    EndNow(1);
}

}  // namespace altostrat
