// The Linux program: the same scene, frame step and flight model as the Windows renderer, over
// X11 and GLX, or natively on a Wayland desktop whose compositor lets it cover every output
// (wayland/wayland_flight.h; which path, run/display_path.h). On X11 it takes the ground's picture
// into memory (the user's own picture, or the desktop photographed before anything is shown, or
// fetched through xscreensaver's helper as a hack; its own ground where there is none), opens its
// window, and hands the scene set-up that picture with the built-in sky and glow from memory:
// nothing of a run is ever written to disk. Then it runs the frame loop until Escape (or a click in
// an XWayland window), a stop signal, or the end of the window it was given. The camera chases the
// paper glider built into the program, unless "--no-aircraft" leaves it out. With "--each-monitor",
// each monitor the window covers shows a flight of its own over its own part of that picture
// (several_flights.h).
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <wayland-client.h>

#include "assets/version.h"
#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/aircraft.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "linux_program/options/hack_options.h"
#include "linux_program/options/user_hack_list.h"
#include "linux_program/picture/own_picture.h"
#include "linux_program/run/display_path.h"
#include "linux_program/run/embedded_glider.h"
#include "linux_program/run/flight_pictures.h"
#include "linux_program/run/fps_meter.h"
#include "linux_program/run/several_flights.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/run/window_monitors.h"
#include "linux_program/wayland/idle/idle_loop.h"
#include "linux_program/wayland/wayland_flight.h"
#include "linux_program/wayland/wayland_registry.h"
#include "linux_program/x11/desktop_grab.h"
#include "linux_program/x11/fps_overlay.h"
#include "linux_program/x11/glx_scene_platform.h"
#include "linux_program/x11/x11_window.h"
#include "linux_program/x11/x_monitors.h"

namespace altostrat {
namespace {

// What the frame loop and the presenting hook share.
struct FlightRun {
    X11Flight window;
    RendererState state;
    SeveralFlights several;  // each monitor its own flight; no states: the one flight above
    FpsMeter meter;
    FpsOverlay overlay;
    bool showFps = false;
    bool flying = false;  // the scene is set up; frames, not loading screens, are presented
};

// Standalone the program photographs the root window itself; as a hack it asks xscreensaver's
// image helper. On a Wayland desktop it does not try: the compositor's X server has no picture
// of the desktop to give.
DesktopPicture TakeDesktopPicture(const X11Flight& flight) {
    if (flight.target != FlightTarget::kStandalone) {
        return LoadPictureThroughHelper(flight.display, flight.parent, flight.width, flight.height);
    }
    if (flight.managed) {
        return DesktopPicture();
    }
    return GrabDesktopPicture(flight.display, flight.parent, flight.width, flight.height);
}

// The user's own picture, filled over the flight's window; the own ground, with one line
// naming the file, when it cannot be had.
std::unique_ptr<RgbImage> TakeOwnPicture(const X11Flight& flight, const std::string& path) {
    const std::uint32_t seed = static_cast<std::uint32_t>(std::random_device()());
    // A stop signal ends the decoding of a large or crafted picture, and quietly.
    OwnPicture own =
        LoadOwnPicture(path, PictureSize{flight.width, flight.height}, seed, StopSignalled);
    if (!own.error.empty() && !StopSignalled()) {
        std::fprintf(stderr, "altostrat: %s; flying over fields and woods instead\n",
                     own.error.c_str());
    }
    return GroundFromPicture(std::move(own.laid));
}

// In the flight, the frame rate goes on the frame just before it is shown.
ScenePlatform MakePlatform(FlightRun& run, bool framePeriodWait, std::unique_ptr<RgbImage> ground) {
    ScenePlatform platform =
        MakeGlxScenePlatform(run.window.display, run.window.window, framePeriodWait);
    platform.pictures = HeldPictures(std::move(ground), platform.showError);
    const auto present = platform.swapBuffers;
    platform.swapBuffers = [&run, present] {
        // A given window may have gone while the frame was drawn: the latest word from the
        // server comes just before the frame would be put into it. Mesa's software renderer
        // rasterises the frame only when asked to present it, which takes a while; that is done
        // first, so the word is fresh.
        if (run.window.target == FlightTarget::kGivenWindow) {
            glFinish();
            PumpFlightEvents(run.window);
            if (run.window.parentGone) {
                return;
            }
        }
        if (run.flying && run.showFps) {
            DrawFpsOverlay(run.overlay, run.meter.text, run.window.width, run.window.height);
        }
        present();
    };
    platform.stopRequested = [&run] {
        X11Flight& flight = run.window;
        const bool stop =
            flight.escapeTapped || flight.clicked || flight.parentGone || StopSignalled();
        flight.escapeTapped = false;
        flight.clicked = false;
        return stop;
    };
    if (run.window.target == FlightTarget::kStandalone) {
        platform.displayPoweredDown = [&run] {
            return DisplayPoweredDown(run.window.display, run.window.power);
        };
    }
    return platform;
}

// The flights for the monitors the window covers, asked afresh whenever the window changes;
// none unless asked for and at least two monitors are covered.
std::vector<MonitorFlight> WindowFlights(const X11Flight& flight, const HackOptions& options) {
    if (!options.eachMonitor) {
        return {};
    }
    return DecideWindowFlights(ListXMonitors(flight.display),
                               WindowOnRoot(flight.display, flight.parent));
}

// One pass of the one flight, or of every monitor's flight led by the first.
bool RunPass(FlightRun& run, const ScenePlatform& platform, std::int64_t calendarSeconds) {
    SeveralFlights& several = run.several;
    if (several.states.empty()) {
        return RunFrameStep(run.state, platform, true, calendarSeconds);
    }
    const bool goOn = RunFrameStep(several.states[0], platform, true, calendarSeconds,
                                   [&several, &platform, calendarSeconds](RendererState&) {
                                       DrawSeveralFlights(several, platform, calendarSeconds);
                                   });
    FollowTheLead(several, calendarSeconds);
    return goOn;
}

void RunFrameLoop(FlightRun& run, const ScenePlatform& platform, const HackOptions& options) {
    X11Flight& flight = run.window;
    run.flying = true;
    for (;;) {
        PumpFlightEvents(flight);
        // Nothing more is drawn into a window that is gone.
        if (flight.parentGone || StopSignalled()) {
            return;
        }
        if (flight.resized) {
            if (run.several.states.empty()) {
                ResizeScene(flight.width, flight.height);
            } else {
                RelayoutSeveralFlights(run.several, WindowFlights(flight, options), flight.width,
                                       flight.height);
            }
            flight.resized = false;
        }
        if (!PassDraws(true, platform)) {
            // With the display off nothing is drawn, so nothing paces the loop.
            WaitForXEvents(flight.display);
        }
        if (!RunPass(run, platform, static_cast<std::int64_t>(std::time(nullptr)))) {
            return;
        }
        if (run.showFps) {
            CountFrame(run.meter);
        }
    }
}

// The glider is read from the program's own bytes before the scene set-up records it; left
// out, the flight is the one without an aircraft.
void LoadGlider(RendererState& state, const HackOptions& options) {
    if (options.showAircraft && !LoadAircraftBytes(state, kGliderMs3d, kGliderMs3dSize)) {
        std::fprintf(stderr, "altostrat: the built-in glider cannot be read; flying without it\n");
    }
}

bool InitOneFlight(RendererState& state, const HackOptions& options,
                   const ScenePlatform& platform) {
    state.options.skyFollowsClock = options.skyFollowsClock;
    LoadGlider(state, options);
    return InitScene(state, platform);
}

// Every monitor's flight set up, each with the glider and its own part of GROUND.
bool InitEachMonitor(FlightRun& run, const HackOptions& options, std::vector<MonitorFlight> flights,
                     std::unique_ptr<RgbImage> ground, const ScenePlatform& platform) {
    SeveralFlights& several = run.several;
    MakeSeveralFlights(several, std::move(flights), run.window.width, run.window.height);
    for (RendererState& state : several.states) {
        state.options.skyFollowsClock = options.skyFollowsClock;
        LoadGlider(state, options);
    }
    std::vector<std::unique_ptr<RgbImage>> grounds = SliceGround(several, std::move(ground));
    return InitSeveralScenes(several, platform, std::move(grounds));
}

// Exit code 0 after a flight, also one ended by a stop signal; 1 when it could not start.
int Fly(FlightRun& run, const HackOptions& options) {
    X11Flight& flight = run.window;
    if (!OpenFlightTarget(flight, options)) {
        return 1;
    }
    std::unique_ptr<RgbImage> ground;
    if (!StopSignalled()) {
        ground = options.picture.empty() ? GroundFromDesktop(TakeDesktopPicture(flight))
                                         : TakeOwnPicture(flight, options.picture);
    }
    // Making the window (GLX loads its driver) and setting the scene up read no flag: from here
    // to the flight, a stop signal ends the process at once.
    EndAtOnceOnStop();
    if (!OpenFlightWindow(flight)) {
        EndAtOnceOff();
        return 1;
    }
    ResizeScene(flight.width, flight.height);
    run.showFps = options.printFps;
    if (run.showFps) {
        MakeFpsOverlay(flight.display, run.overlay);
    }
    std::vector<MonitorFlight> monitors = WindowFlights(flight, options);
    const bool eachMonitor = !monitors.empty();
    // Each monitor's flight is handed its own part of the ground as it is set up.
    const ScenePlatform platform =
        MakePlatform(run, options.framePeriodWait,
                     eachMonitor ? std::unique_ptr<RgbImage>() : std::move(ground));
    const bool ready = eachMonitor ? InitEachMonitor(run, options, std::move(monitors),
                                                     std::move(ground), platform)
                                   : InitOneFlight(run.state, options, platform);
    EndAtOnceOff();
    if (ready) {
        if (flight.target == FlightTarget::kStandalone) {
            WatchDisplayPower(flight.display, flight.power);
        }
        RunFrameLoop(run, platform, options);
    }
    return 0;
}

// In an XWayland window the flight is less than natively: the user is told once why.
void TellOfXWayland(const char* reason) {
    std::printf(
        "altostrat: %s: it covers one output, is not above full-screen windows, and flies over "
        "its own ground or --picture, as it cannot photograph the desktop there\n",
        reason);
    std::fflush(stdout);
}

// Natively on Wayland: one flight, exit code 1 only when it could not start; or with --idle,
// resident, a flight each time the desktop has been idle long enough (idle/idle_loop.h).
int FlyOnWayland(wl_display* display, const HackOptions& options) {
    if (options.idleSeconds > 0) {
        return RunIdleLoop(display, StopDescriptor(), options.idleSeconds,
                           [&options](wl_display* own, const std::function<bool()>& endNow) {
                               RunWaylandFlight(own, options, endNow);
                           });
    }
    const WaylandFlightEnd end = RunWaylandFlight(display, options, {});
    return end == WaylandFlightEnd::kCouldNotStart && !StopSignalled() ? 1 : 0;
}

// The path as run/display_path.h chooses it; the compositor is asked only where it matters.
int RunProgram(const HackOptions& options) {
    InstallStopSignals();
    const char* waylandName = std::getenv("WAYLAND_DISPLAY");
    const bool waylandSet = waylandName != nullptr && *waylandName != '\0';
    wl_display* wayland = nullptr;
    WaylandOffer offer = WaylandOffer::kNotAsked;
    if (AsksCompositor(options, waylandSet)) {
        wayland = wl_display_connect(nullptr);
        offer = wayland == nullptr          ? WaylandOffer::kUnreachable
                : OffersLayerShell(wayland) ? WaylandOffer::kLayerShell
                                            : WaylandOffer::kNoLayerShell;
    }
    const DisplayPathChoice choice = ChooseDisplayPath(options, waylandSet, offer);
    if (choice.path == DisplayPath::kWayland) {
        const int exitCode = FlyOnWayland(wayland, options);
        wl_display_disconnect(wayland);
        return exitCode;
    }
    if (wayland != nullptr) {
        wl_display_disconnect(wayland);
    }
    if (options.idleSeconds > 0) {
        std::fprintf(stderr,
                     "altostrat: --idle needs a Wayland desktop that lets the program cover its "
                     "outputs (sway, Hyprland, KDE Plasma); on X11, xscreensaver starts the "
                     "flight when the computer is idle\n");
        return 2;
    }
    FlightRun run;
    run.window.managed = choice.path == DisplayPath::kXWayland;
    if (choice.reason != nullptr) {
        TellOfXWayland(choice.reason);
    }
    const int exitCode = Fly(run, options);
    CloseFlightWindow(run.window);
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
    switch (options.action) {
        case ProgramAction::kAddToXscreensaver:
            return AddToUserHackList();
        case ProgramAction::kRemoveFromXscreensaver:
            return RemoveFromUserHackList();
        case ProgramAction::kHelp:
            std::fputs(HackHelp(), stdout);
            return 0;
        case ProgramAction::kVersion:
            std::printf("altostrat %s\n", ALTOSTRAT_VERSION_TEXT);
            return 0;
        case ProgramAction::kFly:
            break;
    }
    return RunProgram(options);
}
