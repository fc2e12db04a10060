// The renderer's entry point: window, scene set-up, then the frame loop until Escape or a close
// request. The loop empties the message queue before every frame and never waits on it.
#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "common/agreement.h"
#include "common/win32/wide_text.h"

#include "flight/scene/aircraft.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "renderer/win32/each_monitor.h"
#include "renderer/win32/frame_loop.h"
#include "renderer/win32/picture_folder.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/win32_scene_platform.h"

namespace altostrat {
namespace {

// Sleep(1) waits a whole scheduler tick (about 15.6 ms) unless the timer resolution is raised,
// which would halve the frame rate; the raise is held exactly as long as the renderer runs.
struct TimerResolution {
    TimerResolution() { timeBeginPeriod(1); }
    ~TimerResolution() { timeEndPeriod(1); }
    TimerResolution(const TimerResolution&) = delete;
    TimerResolution& operator=(const TimerResolution&) = delete;
};

// The words after the program path, as Windows' own start-up code splits them.
RendererOptions ReadRendererOptions() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(Narrow(words[i]));
    }
    LocalFree(words);
    return ParseRendererWords(arguments);
}

// The renderer's own full path. A path longer than the buffer comes back cut short, so the buffer
// grows until the whole path fits, up to the longest path Windows has.
std::string OwnProgramPath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return Narrow(buffer);
        }
        if (buffer.size() >= 32768) {
            return std::string();
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The model file beside the renderer, or "" when the host asked for no aircraft.
std::string AircraftPathFor(const RendererOptions& options) {
    return options.aircraftShown ? AircraftModelPath(OwnProgramPath()) : std::string();
}

// The aircraft from the model file beside the renderer, unless the host asked for none. A
// missing or broken file leaves the model empty, and the flight is the one without an aircraft.
void LoadAircraftBesideProgram(RendererState& state) {
    const std::string path = AircraftPathFor(state.options);
    if (!path.empty()) {
        LoadAircraftFile(state, path);
    }
}

int RunRenderer(HINSTANCE instance) {
    const RendererOptions options = ReadRendererOptions();
    if (options.eachMonitor) {
        if (!RegisterRendererClass(instance)) {
            return 0;
        }
        TimerResolution timerResolution;
        return RunEachMonitor(instance, options, AircraftPathFor(options));
    }
    RendererState state;  // the empty aircraft model is created first of all
    state.options = options;
    LoadAircraftBesideProgram(state);  // only the file is read: no window or context needed yet
    if (!RegisterRendererClass(instance)) {
        return 0;
    }
    TimerResolution timerResolution;
    RendererWindow window;
    int exitCode = 0;
    if (CreateRendererWindow(window, instance, state.options.acrossAllMonitors)) {
        ResizeScene(window.flightRect.Width(), window.flightRect.Height(), window.lookAtX,
                    window.lookAtY);
        ScenePlatform platform = MakeWin32ScenePlatform(window.mainDC);
        UsePictureFolder(state, platform);
        // One flight over every monitor shows the time on the primary alone.
        if (state.options.acrossAllMonitors) {
            state.clockArea = window.primaryPart;
        }
        if (InitScene(state, platform)) {
            exitCode = RunFrameLoop(window, state, platform, 0);
        }
    }
    KillRendererWindow(window);
    return exitCode;
}

}  // namespace
}  // namespace altostrat

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return altostrat::RunRenderer(instance);
}
