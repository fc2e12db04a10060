// The Linux program: the same scene, frame step and flight model as the Windows renderer, over
// X11 and GLX. It writes the three pictures into a private capture folder first (the desktop
// photographed before anything is shown, or fetched through xscreensaver's helper as a hack),
// then opens its window and runs the frame loop until Escape, a stop signal, or the end of the
// window it was given.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "renderer/scene/frame_step.h"
#include "renderer/scene/renderer_state.h"
#include "renderer/scene/resize_scene.h"
#include "renderer/scene/scene.h"
#include "renderer/x11/capture_folder.h"
#include "renderer/x11/desktop_grab.h"
#include "renderer/x11/fps_meter.h"
#include "renderer/x11/glx_scene_platform.h"
#include "renderer/x11/hack_options.h"
#include "renderer/x11/stop_signals.h"
#include "renderer/x11/x11_window.h"

namespace altostrat {
namespace {

// The X server's own blanking would otherwise start during a long standalone flight; about
// every ten seconds of frames is often enough for any timeout it may have.
constexpr int kScreenSaverResetFrames = 600;

void WriteDesktop(X11Flight& flight, const std::string& folder) {
    bool written = false;
    if (flight.target == FlightTarget::kStandalone) {
        written =
            GrabDesktopPicture(flight.display, flight.parent, flight.width, flight.height, folder);
    } else {
        written = LoadPictureThroughHelper(flight.display, flight.parent, flight.width,
                                           flight.height, folder);
    }
    if (!written) {
        WritePlainDesktopPicture(folder);
    }
}

void RunFrameLoop(X11Flight& flight, RendererState& state, ScenePlatform platform, bool printFps) {
    platform.stopRequested = [&flight] {
        const bool stop = flight.escapeTapped || flight.parentGone || StopSignalled();
        flight.escapeTapped = false;
        return stop;
    };
    FpsMeter meter;
    int frames = 0;
    for (;;) {
        PumpFlightEvents(flight);
        if (flight.resized) {
            ResizeScene(flight.width, flight.height);
            flight.resized = false;
        }
        if (!RunFrameStep(state, platform, true, static_cast<std::int64_t>(std::time(nullptr)))) {
            return;
        }
        if (printFps) {
            CountFrame(meter);
        }
        if (flight.target == FlightTarget::kStandalone && ++frames % kScreenSaverResetFrames == 0) {
            XResetScreenSaver(flight.display);
        }
    }
}

int RunProgram(const HackOptions& options) {
    InstallStopSignals();
    X11Flight flight;
    RendererState state;
    int exitCode = 1;
    if (OpenFlightTarget(flight, options)) {
        state.captureFolder = MakeCaptureFolder();
        if (state.captureFolder.empty()) {
            std::fprintf(stderr, "altostrat: cannot make a folder for the pictures\n");
        } else {
            WriteBuiltInPictures(state.captureFolder);
            WriteDesktop(flight, state.captureFolder);
            if (OpenFlightWindow(flight)) {
                ResizeScene(flight.width, flight.height);
                const ScenePlatform platform =
                    MakeGlxScenePlatform(flight.display, flight.window, options.framePeriodWait);
                if (InitScene(state, platform)) {
                    RunFrameLoop(flight, state, platform, options.printFps);
                }
                exitCode = 0;
            }
        }
    }
    CloseFlightWindow(flight);
    RemoveCaptureFolder(state.captureFolder);
    return exitCode;
}

}  // namespace
}  // namespace altostrat

int main(int argc, char** argv) {
    using namespace altostrat;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const HackOptions options = ParseHackOptions(arguments, std::getenv("XSCREENSAVER_WINDOW"));
    if (!options.error.empty()) {
        std::fprintf(stderr, "altostrat: %s\n%s\n", options.error.c_str(), HackUsage());
        return 2;
    }
    return RunProgram(options);
}
