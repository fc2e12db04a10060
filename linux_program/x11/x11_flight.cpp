#include "linux_program/x11/x11_flight.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "linux_program/gnome/wallpaper/gsettings_wallpaper.h"
#include "linux_program/gnome/wallpaper/wallpaper_ground.h"
#include "linux_program/options/hack_options.h"
#include "linux_program/picture/own_picture.h"
#include "linux_program/run/display_path.h"
#include "linux_program/run/flight_pictures.h"
#include "linux_program/run/flight_set.h"
#include "linux_program/run/fps_text.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/x11/desktop_grab.h"
#include "linux_program/x11/glx_scene_platform.h"
#include "linux_program/x11/ground_choice.h"
#include "linux_program/x11/monitor_viewports.h"
#include "linux_program/x11/window_monitors.h"
#include "linux_program/x11/x11_window.h"
#include "linux_program/x11/x_monitors.h"

namespace altostrat {
namespace {

// What the frame loop and the presenting hook share.
struct X11FlightRun {
    X11Window window;
    FlightSet set;
    MonitorViewports viewports;  // with --each-monitor over several monitors; else none
    bool flying = false;         // the scene is set up; frames, not loading screens, are presented
};

bool EachMonitor(const X11FlightRun& run) {
    return !run.viewports.monitors.empty();
}

// The user's own picture, filled over the flight's window; the own ground, with one line
// naming the file, when it cannot be had.
std::unique_ptr<RgbImage> TakeOwnPicture(const X11Window& window, const std::string& path) {
    const std::uint32_t seed = static_cast<std::uint32_t>(std::random_device()());
    // A stop signal ends the decoding of a large or crafted picture, and quietly.
    OwnPicture own =
        LoadOwnPicture(path, PictureSize{window.width, window.height}, seed, StopSignalled);
    if (!own.error.empty() && !StopSignalled()) {
        std::fprintf(stderr, "altostrat: %s; flying over fields and woods instead\n",
                     own.error.c_str());
    }
    return GroundFromPicture(std::move(own.laid));
}

// GNOME's wallpaper laid over the flight's window, each monitor's part of it as GNOME lays it
// there; its colour alone, with one line saying why, when the picture cannot be had.
std::unique_ptr<RgbImage> TakeWallpaper(const X11Window& window) {
    const std::optional<WallpaperTexts> texts = ReadGnomeWallpaperTexts();
    if (!texts) {
        std::fprintf(stderr,
                     "altostrat: GNOME's wallpaper settings are not installed; flying over "
                     "fields and woods instead\n");
        return nullptr;
    }
    // GNOME lays its wallpaper monitor by monitor: the monitors in the window's pixels.
    const ScreenRect onRoot = WindowOnRoot(window.display, window.parent);
    std::vector<ScreenRect> monitors;
    for (const Monitor& monitor : ListXMonitors(window.display)) {
        const ScreenRect& b = monitor.bounds;
        monitors.push_back(ScreenRect{b.left - onRoot.left, b.top - onRoot.top,
                                      b.right - onRoot.left, b.bottom - onRoot.top});
    }
    WallpaperGround ground =
        LayWallpaper(ReadWallpaper(*texts), ScreenRect{0, 0, window.width, window.height},
                     std::move(monitors), StopSignalled);
    if (!ground.note.empty() && !StopSignalled()) {
        std::fprintf(stderr, "altostrat: the wallpaper %s; flying over its colour instead\n",
                     ground.note.c_str());
    }
    return GroundFromPicture(std::move(ground.laid));
}

// The ground as ChooseGround decides it. A window of ours that the window manager places is one
// on a Wayland desktop, whose X server (XWayland) holds no picture of the desktop to give.
std::unique_ptr<RgbImage> TakeGround(const X11Window& window, const HackOptions& options) {
    GroundFacts facts;
    facts.pictureOption = !options.picture.empty();
    facts.hack = window.target != FlightTarget::kStandalone;
    facts.gnomeSession = DesktopSaysGnome(std::getenv("XDG_CURRENT_DESKTOP"));
    facts.photographPossible = !window.managed;
    switch (ChooseGround(facts)) {
        case GroundSource::kOwnPicture:
            return TakeOwnPicture(window, options.picture);
        case GroundSource::kXscreensaverPicture:
            return GroundFromDesktop(LoadPictureThroughHelper(window.display, window.parent,
                                                              window.width, window.height));
        case GroundSource::kWallpaper:
            return TakeWallpaper(window);
        case GroundSource::kPhotograph:
            return GroundFromDesktop(
                GrabDesktopPicture(window.display, window.parent, window.width, window.height));
        case GroundSource::kOwnGround:
            break;
    }
    return nullptr;
}

// In the flight, the frame rate goes on the frame just before it is shown.
ScenePlatform MakePlatform(X11FlightRun& run, bool framePeriodWait,
                           std::unique_ptr<RgbImage> ground) {
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
        if (run.flying && run.set.countFrames) {
            DrawFpsText(run.set.meter.text, run.window.width, run.window.height, 2);
        }
        present();
    };
    platform.stopRequested = [&run] {
        X11Window& window = run.window;
        const bool stop =
            window.escapeTapped || window.clicked || window.parentGone || StopSignalled();
        window.escapeTapped = false;
        window.clicked = false;
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
// none unless at least two monitors are covered.
std::vector<MonitorFlight> CoveredMonitors(const X11Window& window) {
    return DecideWindowFlights(ListXMonitors(window.display),
                               WindowOnRoot(window.display, window.parent));
}

// The monitors' own flights: none unless asked for.
std::vector<MonitorFlight> WindowFlights(const X11Window& window, const HackOptions& options) {
    return options.eachMonitor ? CoveredMonitors(window) : std::vector<MonitorFlight>();
}

// One flight across several monitors shows its clock on the primary's part of the window, the
// part the monitors' own flights would give the primary; over one monitor, anywhere in it.
void PlaceClock(RendererState& state, const X11Window& window) {
    const std::vector<MonitorFlight> parts = CoveredMonitors(window);
    state.clockArea = parts.empty() ? ScreenRect() : parts.front().window;
}

void RunFrameLoop(X11FlightRun& run, const ScenePlatform& platform, const HackOptions& options) {
    X11Window& window = run.window;
    run.flying = true;
    std::int64_t calendarSeconds = 0;
    // One flight draws itself; several are drawn each in its monitor's viewport.
    std::function<void()> draw;
    if (EachMonitor(run)) {
        draw = [&run, &platform, &calendarSeconds] {
            DrawInViewports(run.viewports, run.set, platform, calendarSeconds);
        };
    }
    for (;;) {
        PumpFlightEvents(window);
        // Nothing more is drawn into a window that is gone.
        if (window.parentGone || StopSignalled()) {
            return;
        }
        if (window.resized) {
            if (EachMonitor(run)) {
                RelayoutViewports(run.viewports, WindowFlights(window, options), window.width,
                                  window.height);
            } else {
                ResizeScene(window.width, window.height);
                PlaceClock(run.set.flights.front(), window);
            }
            window.resized = false;
        }
        if (!PassDraws(true, platform)) {
            // With the display off nothing is drawn, so nothing paces the loop.
            WaitForXEvents(window.display);
        }
        calendarSeconds = static_cast<std::int64_t>(std::time(nullptr));
        if (!RunFlightPass(run.set, platform, calendarSeconds, draw)) {
            return;
        }
    }
}

// Every monitor's flight set up, each over its own part of GROUND.
bool InitEachMonitor(X11FlightRun& run, const HackOptions& options,
                     std::vector<MonitorFlight> monitors, std::unique_ptr<RgbImage> ground,
                     const ScenePlatform& platform) {
    LayOutViewports(run.viewports, std::move(monitors), run.window.width, run.window.height);
    for (std::size_t i = 0; i < run.viewports.monitors.size(); ++i) {
        AddFlight(run.set, options);
    }
    std::vector<std::unique_ptr<RgbImage>> grounds = SliceGround(run.viewports, std::move(ground));
    return InitViewportScenes(run.viewports, run.set, platform, std::move(grounds));
}

// Exit code 0 after a flight, also one ended by a stop signal; 1 when it could not start.
int Fly(X11FlightRun& run, const HackOptions& options) {
    X11Window& window = run.window;
    if (!OpenFlightTarget(window, options)) {
        return 1;
    }
    std::unique_ptr<RgbImage> ground;
    if (!StopSignalled()) {
        ground = TakeGround(window, options);
    }
    // Making the window (GLX loads its driver) and setting the scene up read no flag: from here
    // to the flight, a stop signal ends the process at once.
    EndAtOnceOnStop();
    if (!OpenFlightWindow(window)) {
        EndAtOnceOff();
        return 1;
    }
    ResizeScene(window.width, window.height);
    run.set.countFrames = options.printFps;
    std::vector<MonitorFlight> monitors = WindowFlights(window, options);
    const bool eachMonitor = !monitors.empty();
    // Each monitor's flight is handed its own part of the ground as it is set up.
    const ScenePlatform platform =
        MakePlatform(run, options.framePeriodWait,
                     eachMonitor ? std::unique_ptr<RgbImage>() : std::move(ground));
    bool ready = false;
    if (eachMonitor) {
        ready = InitEachMonitor(run, options, std::move(monitors), std::move(ground), platform);
    } else {
        RendererState& state = AddFlight(run.set, options);
        PlaceClock(state, window);
        ready = InitScene(state, platform);
    }
    EndAtOnceOff();
    if (ready) {
        if (window.target == FlightTarget::kStandalone) {
            WatchDisplayPower(window.display, window.power);
        }
        RunFrameLoop(run, platform, options);
    }
    return 0;
}

}  // namespace

int RunX11Flight(const HackOptions& options, bool managed) {
    X11FlightRun run;
    run.window.managed = managed;
    const int exitCode = Fly(run, options);
    CloseFlightWindow(run.window);
    return exitCode;
}

}  // namespace altostrat
