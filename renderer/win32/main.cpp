// The renderer's entry point: window, scene set-up, then the frame loop until Escape or a close
// request. The loop empties the message queue before every frame and never waits on it.
#include <windows.h>

#include <mmsystem.h>

#include <ctime>

#include "../renderer_state.h"
#include "../resize_scene.h"
#include "../scene.h"
#include "renderer_window.h"
#include "win32_scene_platform.h"

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

int RunFrameLoop(RendererWindow& window, RendererState& state, const ScenePlatform& platform) {
    MSG message;
    for (;;) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
            continue;
        }
        if (window.windowActive && !DrawFrame(state, platform)) {
            return 0;
        }
        if (window.keyDown[VK_ESCAPE]) {
            return 0;  // the frame just drawn is not presented
        }
        SwapBuffers(window.mainDC);
        UpdateFlight(state.flight, state.random, static_cast<std::int64_t>(std::time(nullptr)));
    }
}

// The host writes its three pictures here before it starts the renderer.
constexpr char kCaptureFolder[] = "c:\\t_wisp\\";

int RunRenderer(HINSTANCE instance) {
    RendererState state;  // the empty aircraft model is created first of all
    state.captureFolder = kCaptureFolder;
    if (!RegisterRendererClass(instance)) {
        return 0;
    }
    TimerResolution timerResolution;
    RendererWindow window;
    int exitCode = 0;
    if (CreateRendererWindow(window, instance)) {
        ResizeScene(kRendererWidth, kRendererHeight);
        const ScenePlatform platform = MakeWin32ScenePlatform(window.mainDC);
        if (InitScene(state, platform)) {
            exitCode = RunFrameLoop(window, state, platform);
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
