#include "linux_program/run/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace altostrat {
namespace {

// The one piece of state outside the program's struct: a signal handler can reach nothing else.
struct SignalState {
    volatile sig_atomic_t stopSignalled = 0;
    volatile sig_atomic_t endAtOnce = 0;
    // The stop descriptor's pipe, and the process it belongs to (0: none made yet).
    volatile sig_atomic_t pipeOwner = 0;
    volatile sig_atomic_t pipeRead = -1;
    volatile sig_atomic_t pipeWrite = -1;
};
SignalState signalState;

// Only a call that is safe in a handler.
[[noreturn]] void EndNow(int exitCode) {
    _exit(exitCode);
}

void WakeStopDescriptor() {
    if (signalState.pipeOwner == getpid() && signalState.pipeWrite >= 0) {
        const char stop = 1;
        // A full pipe is readable already.
        [[maybe_unused]] const ssize_t written = write(signalState.pipeWrite, &stop, 1);
    }
}

void OnStopSignal(int) {
    const int interrupted = errno;  // the code the signal interrupted may be about to read it
    signalState.stopSignalled = 1;
    WakeStopDescriptor();
    if (signalState.endAtOnce != 0) {
        EndNow(0);
    }
    errno = interrupted;
}

// The stop signals, as a set.
sigset_t StopSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&set, signal);
    }
    return set;
}

// A pipe of this process's own, in place of one it may have from its parent. The handler is kept
// out meanwhile, so a signal lands either before (the flag, written into the new pipe here) or
// after (written by the handler).
void MakeStopPipe() {
    const sigset_t stops = StopSignalSet();
    sigset_t before;
    sigprocmask(SIG_BLOCK, &stops, &before);
    if (signalState.pipeRead >= 0) {
        close(signalState.pipeRead);
        close(signalState.pipeWrite);
    }
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        ends[0] = ends[1] = -1;
    }
    signalState.pipeRead = ends[0];
    signalState.pipeWrite = ends[1];
    signalState.pipeOwner = getpid();
    if (signalState.stopSignalled != 0) {
        WakeStopDescriptor();
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
}

}  // namespace

void InstallStopSignals() {
    MakeStopPipe();
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    action.sa_mask = StopSignalSet();
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

bool StopSignalled() {
    return signalState.stopSignalled != 0;
}

int StopDescriptor() {
    if (signalState.pipeOwner != getpid()) {
        MakeStopPipe();
    }
    return signalState.pipeRead;
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
