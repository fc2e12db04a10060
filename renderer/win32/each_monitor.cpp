#include "renderer/win32/each_monitor.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "flight/display/monitor_flights.h"
#include "flight/scene/aircraft.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "renderer/win32/frame_loop.h"
#include "renderer/win32/monitors.h"
#include "renderer/win32/picture_folder.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/win32_scene_platform.h"

namespace altostrat {
namespace {

// The photograph is read by every flight and deleted (as a single flight deletes it) once the
// last one has read it, or has given up before reading it.
struct SharedPictures {
    std::atomic<int> pending{0};
    std::function<void()> deleteDesktop;  // set by the first flight that gets that far

    void Release() {
        if (--pending == 0 && deleteDesktop) {
            deleteDesktop();
        }
    }
};

struct MonitorFlightRun {
    HINSTANCE instance = nullptr;
    const RendererOptions* options = nullptr;
    std::string aircraftPath;
    MonitorFlight monitor;
    FlightSignals* signals = nullptr;
    SharedPictures* pictures = nullptr;
    CRITICAL_SECTION* setUpLock = nullptr;
    DWORD inputThread = 0;  // whose input state every flight shares
    bool picturesReleased = false;
    int exitCode = 0;
};

// A thread's message queue, made by its first call for messages.
void MakeMessageQueue() {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}

void FlyOneMonitor(MonitorFlightRun& run) {
    // One input state for every flight: one keyboard focus and one active window, so Escape
    // reaches the flight in front wherever the pointer rests, as with a single flight.
    MakeMessageQueue();
    AttachThreadInput(GetCurrentThreadId(), run.inputThread, TRUE);
    RendererState state;
    state.options = *run.options;
    if (!run.aircraftPath.empty()) {
        LoadAircraftFile(state, run.aircraftPath);
    }
    state.groundSlice = run.monitor.slice;
    state.flight = FlightStartFor(run.monitor.flightIndex);
    RendererWindow window;
    window.signals = run.signals;
    const bool primary = run.monitor.flightIndex == 0;
    if (CreateMonitorFlightWindow(window, run.instance, run.monitor.window, primary)) {
        ResizeScene(window.flightRect.Width(), window.flightRect.Height());
        ScenePlatform platform = MakeWin32ScenePlatform(window.mainDC);
        UsePictureFolder(state, platform);
        EnterCriticalSection(run.setUpLock);
        if (platform.picturesLoaded && !run.pictures->deleteDesktop) {
            run.pictures->deleteDesktop = platform.picturesLoaded;
        }
        LeaveCriticalSection(run.setUpLock);
        platform.picturesLoaded = [&run] {
            run.picturesReleased = true;
            run.pictures->Release();
        };
        if (InitScene(state, platform)) {
            // Each flight reseeds its turns a day apart from the others' in the calendar.
            run.exitCode = RunFrameLoop(window, state, platform,
                                        std::int64_t{86400} * run.monitor.flightIndex);
        }
    }
    // However this flight ended, every other ends with it: no monitor keeps flying alone.
    run.signals->stop = true;
    if (!run.picturesReleased) {
        run.picturesReleased = true;
        run.pictures->Release();
    }
    KillRendererWindow(window);
    AttachThreadInput(GetCurrentThreadId(), run.inputThread, FALSE);
}

DWORD WINAPI MonitorFlightThread(LPVOID parameter) {
    FlyOneMonitor(*static_cast<MonitorFlightRun*>(parameter));
    return 0;
}

}  // namespace

int RunEachMonitor(HINSTANCE instance, const RendererOptions& options,
                   const std::string& aircraftPath) {
    const std::vector<MonitorFlight> monitors = DecideMonitorFlights(ListMonitors());
    FlightSignals signals;
    SharedPictures pictures;
    pictures.pending = static_cast<int>(monitors.size());
    CRITICAL_SECTION setUpLock;
    InitializeCriticalSection(&setUpLock);
    MakeMessageQueue();
    std::vector<std::unique_ptr<MonitorFlightRun>> runs;
    std::vector<HANDLE> threads;
    for (const MonitorFlight& monitor : monitors) {
        auto run = std::make_unique<MonitorFlightRun>();
        run->instance = instance;
        run->options = &options;
        run->aircraftPath = aircraftPath;
        run->monitor = monitor;
        run->signals = &signals;
        run->pictures = &pictures;
        run->setUpLock = &setUpLock;
        run->inputThread = GetCurrentThreadId();
        const HANDLE thread = CreateThread(nullptr, 0, MonitorFlightThread, run.get(), 0, nullptr);
        if (thread == nullptr) {
            // A monitor left without its flight would show the desktop: end the others too.
            signals.stop = true;
            pictures.Release();
            break;
        }
        threads.push_back(thread);
        runs.push_back(std::move(run));
    }
    // Fewer pictures' readers than counted when a thread could not start: they released theirs.
    for (std::size_t i = runs.size() + 1; i < monitors.size(); ++i) {
        pictures.Release();
    }
    // This thread owns no window, so waiting here holds up no message loop.
    for (const HANDLE thread : threads) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    DeleteCriticalSection(&setUpLock);
    return runs.empty() ? 0 : runs.front()->exitCode;
}

}  // namespace altostrat
