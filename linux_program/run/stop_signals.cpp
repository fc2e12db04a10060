#include "linux_program/run/stop_signals.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

#include "common/agreement.h"

namespace altostrat {
namespace {

constexpr int kPathBytes = 4096;

// The one piece of state outside the program's struct: a signal handler can reach nothing else.
// The paths are written before endAtOnce is set, and only read by the handler afterwards.
struct SignalState {
    volatile sig_atomic_t stopSignalled = 0;
    volatile sig_atomic_t endAtOnce = 0;
    volatile sig_atomic_t picturesOnDisk = 0;
    char folder[kPathBytes] = {};
    char pictures[3][kPathBytes] = {};
};
SignalState signalState;

// Only calls that are safe in a handler: unlink, rmdir, _exit.
[[noreturn]] void EndNow(int exitCode) {
    if (signalState.picturesOnDisk != 0) {
        for (const char* picture : signalState.pictures) {
            unlink(picture);
        }
        rmdir(signalState.folder);
    }
    _exit(exitCode);
}

void OnStopSignal(int) {
    signalState.stopSignalled = 1;
    if (signalState.endAtOnce != 0) {
        EndNow(0);
    }
}

bool CopyPath(char* out, const std::string& path) {
    if (path.size() + 1 > static_cast<std::size_t>(kPathBytes)) {
        return false;
    }
    std::memcpy(out, path.c_str(), path.size() + 1);
    return true;
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

void RememberCaptureFolder(const std::string& captureFolder) {
    signalState.picturesOnDisk = 0;
    bool paths = !captureFolder.empty() && CopyPath(signalState.folder, captureFolder);
    const CapturePicture pictures[3] = {CapturePicture::kSky, CapturePicture::kDesktop,
                                        CapturePicture::kGlow};
    for (int i = 0; i < 3 && paths; ++i) {
        paths = CopyPath(signalState.pictures[i], CapturePicturePath(captureFolder, pictures[i]));
    }
    signalState.picturesOnDisk = paths ? 1 : 0;
}

void ForgetCaptureFolder() {
    signalState.picturesOnDisk = 0;
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
