#include "linux_program/wayland/wayland_flight.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "flight/display/panorama.h"
#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "linux_program/options/hack_options.h"
#include "linux_program/run/flight_pictures.h"
#include "linux_program/run/flight_set.h"
#include "linux_program/run/fps_text.h"
#include "linux_program/run/linux_scene_platform.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/wayland/desktop_ground.h"
#include "linux_program/wayland/egl_outputs.h"
#include "linux_program/wayland/layer_surfaces.h"
#include "linux_program/wayland/output_covers.h"
#include "linux_program/wayland/output_frames.h"
#include "linux_program/wayland/wait/display_wait.h"
#include "linux_program/wayland/wayland_registry.h"

namespace altostrat {
namespace {

// What the frame loop, the platform's hooks and the drawer share.
struct WaylandFlightRun {
    WaylandFlightRun(wl_display* display, const HackOptions& o, const std::function<bool()>& e)
        : options(o), endNow(e), eachMonitor(o.eachMonitor) {
        screen.display = display;
        set.countFrames = o.printFps;
    }
    WaylandScreen screen;
    const HackOptions& options;
    const std::function<bool()>& endNow;
    bool eachMonitor = false;
    // The one flight across the outputs; with --each-monitor each output's, the first one's
    // leading whether or not its output is still there. With --fps, the frame rate goes in the
    // lead output's corner.
    FlightSet set;
    DesktopGround ground;          // the picture, until the flights' scenes hold it
    std::uint32_t leadOutput = 0;  // global name of the output the camera's axis goes through
    std::vector<CoveredOutput*> drawing;  // this pass's outputs
    std::vector<ViewWindow> views;        // per output, in screen.outputs' order
    WaylandFlightEnd end = WaylandFlightEnd::kInput;
    bool ended = false;
};

void EndWith(WaylandFlightRun& run, WaylandFlightEnd end) {
    if (!run.ended) {
        run.ended = true;
        run.end = end;
    }
}

// Whether the flight must end now, and why; the first reason found stays.
bool EndAsked(WaylandFlightRun& run) {
    if (run.screen.broken) {
        EndWith(run, WaylandFlightEnd::kCompositorGone);
    } else if (StopSignalled()) {
        EndWith(run, WaylandFlightEnd::kStopSignal);
    } else if (run.screen.input.userBack) {
        EndWith(run, WaylandFlightEnd::kInput);
    } else if (run.endNow && run.endNow()) {
        EndWith(run, WaylandFlightEnd::kEndNow);
    }
    return run.ended;
}

CoveredOutput* FindOutput(WaylandScreen& screen, std::uint32_t globalName) {
    for (auto& o : screen.outputs) {
        if (o->output.globalName == globalName && globalName != 0) {
            return o.get();
        }
    }
    return nullptr;
}

std::vector<ScreenRect> CoveredRects(const WaylandScreen& screen) {
    std::vector<ScreenRect> rects;
    for (const auto& o : screen.outputs) {
        rects.push_back(o->surface != nullptr && OutputInUse(*o) ? LogicalRect(o->output)
                                                                 : ScreenRect{});
    }
    return rects;
}

// The lead stays while its output does; a new one is the output with the keyboard, else the
// first covered.
void ChooseLead(WaylandFlightRun& run) {
    WaylandScreen& screen = run.screen;
    const CoveredOutput* current = FindOutput(screen, run.leadOutput);
    if (current != nullptr && current->surface != nullptr && OutputInUse(*current)) {
        return;
    }
    int focused = -1;
    for (std::size_t i = 0; i < screen.outputs.size(); ++i) {
        if (screen.outputs[i].get() == screen.input.keyboardOutput) {
            focused = static_cast<int>(i);
        }
    }
    const std::vector<ScreenRect> rects = CoveredRects(screen);
    const std::size_t lead = PanoramaLead(rects, focused);
    run.leadOutput = lead < screen.outputs.size() ? screen.outputs[lead]->output.globalName : 0;
}

void UpdateViews(WaylandFlightRun& run) {
    const std::vector<ScreenRect> rects = CoveredRects(run.screen);
    std::size_t lead = 0;
    for (std::size_t i = 0; i < run.screen.outputs.size(); ++i) {
        if (run.screen.outputs[i]->output.globalName == run.leadOutput) {
            lead = i;
        }
    }
    run.views = PanoramaViews(rects, lead);
}

std::size_t IndexOf(const WaylandScreen& screen, const CoveredOutput* output) {
    for (std::size_t i = 0; i < screen.outputs.size(); ++i) {
        if (screen.outputs[i].get() == output) {
            return i;
        }
    }
    return 0;
}

RendererState& FlightOf(WaylandFlightRun& run, const CoveredOutput& output) {
    return run.set.flights[static_cast<std::size_t>(std::max(output.flightIndex, 0))];
}

// The projection for OUTPUT's surface, which is current.
void ShowOutput(WaylandFlightRun& run, const CoveredOutput& output) {
    if (run.eachMonitor) {
        ResizeScene(output.bufferWidth, output.bufferHeight);
    } else {
        ResizeScene(output.bufferWidth, output.bufferHeight,
                    run.views[IndexOf(run.screen, &output)]);
    }
}

// Presents the pass's pictures, each once the compositor has answered for its output's last
// one; an output whose answer is late gets none. Input and stop signals are seen meanwhile.
void PresentDrawn(WaylandFlightRun& run) {
    WaylandScreen& screen = run.screen;
    for (CoveredOutput* o : run.drawing) {
        std::int64_t wait = 0;
        while ((wait = PresentWaitMs(OutputFrameOf(*o), NowMs())) > 0) {
            if (EndAsked(run)) {
                return;
            }
            if (WaitOnce({screen.display, nullptr, StopDescriptor()}, NowMs() + wait) ==
                WaitEnd::kBroken) {
                screen.broken = true;
                return;
            }
        }
        if (wait == 0 && DrawOnOutput(screen, *o)) {
            AskFrame(*o, NowMs());
            PresentOutput(screen, *o);
        }
    }
}

ScenePlatform MakeWaylandPlatform(WaylandFlightRun& run) {
    ScenePlatform platform = LinuxScenePlatform(run.options.framePeriodWait);
    platform.getProcAddress = EglProcAddress;
    // Each pass starts when the compositor's frame callbacks say so: presenting is in step
    // with the refresh.
    platform.presentWithRefresh = [] { return true; };
    platform.refreshRate = [&run] {
        const CoveredOutput* lead = FindOutput(run.screen, run.leadOutput);
        return lead != nullptr ? lead->output.refreshMilliHz / 1000.0 : 0.0;
    };
    platform.stopRequested = [&run] { return EndAsked(run); };
    platform.swapBuffers = [&run] { PresentDrawn(run); };
    return platform;
}

// Sets up STATE's scene on OUTPUT's surface (current, its projection set) over GROUND, its
// loading screens presented there; a stop signal meanwhile ends the process at once.
bool SetUpScene(WaylandFlightRun& run, RendererState& state, CoveredOutput& output,
                const ScenePlatform& platform, std::unique_ptr<RgbImage> ground) {
    ScenePlatform own = platform;
    own.pictures = HeldPictures(std::move(ground), platform.showError);
    own.swapBuffers = [&run, &output] { PresentOutput(run.screen, output); };
    EndAtOnceOnStop();
    const bool ready = InitScene(state, own);
    EndAtOnceOff();
    return ready;
}

// OUTPUT's own flight with --each-monitor, set up on its surface over its part of the ground
// (the program's own ground for an output that came after the photograph). False when the
// scene cannot be set up.
bool StartOutputFlight(WaylandFlightRun& run, CoveredOutput& output,
                       const ScenePlatform& platform) {
    const int index = static_cast<int>(run.set.flights.size());
    RendererState& state = AddFlight(run.set, run.options);
    if (!DrawOnOutput(run.screen, output)) {
        return false;
    }
    output.flightIndex = index;
    ShowOutput(run, output);
    return SetUpScene(run, state, output, platform,
                      CutGround(run.ground, LogicalRect(output.output)));
}

// With --each-monitor, each output covered meanwhile gets its flight. False when a surface or
// a scene cannot be made.
bool PrepareOutputs(WaylandFlightRun& run, const ScenePlatform& platform) {
    if (!PrepareOutputSurfaces(run.screen)) {
        return false;
    }
    for (auto& o : run.screen.outputs) {
        if (run.eachMonitor && o->eglSurface != EGL_NO_SURFACE && o->flightIndex < 0 &&
            !StartOutputFlight(run, *o, platform)) {
            return false;
        }
    }
    return true;
}

// With --fps, the frame rate over the lead output's picture, at its scale.
void ShowFps(const WaylandFlightRun& run, const CoveredOutput& output) {
    if (run.options.printFps && output.output.globalName == run.leadOutput) {
        const int scale = std::max(1, output.bufferHeight / std::max(1, output.configuredHeight));
        DrawFpsText(run.set.meter.text, output.bufferWidth, output.bufferHeight, scale);
    }
}

// One pass: the outputs due drawn and presented, each from its own flight or its part of the
// one view.
bool RunOutputsPass(WaylandFlightRun& run, const ScenePlatform& platform,
                    std::int64_t calendarSeconds) {
    return RunFlightPass(run.set, platform, calendarSeconds, [&run, &platform, calendarSeconds] {
        for (CoveredOutput* o : run.drawing) {
            // A software renderer draws the previous output as this one is made current, which
            // takes a while: a stop signal meanwhile is not kept waiting for the rest.
            if (EndAsked(run)) {
                return;
            }
            if (o->flightIndex > 0) {
                FollowLead(run.set, static_cast<std::size_t>(o->flightIndex), calendarSeconds);
            }
            if (DrawOnOutput(run.screen, *o)) {
                ShowOutput(run, *o);
                RendererState& state = FlightOf(run, *o);
                // One view across the outputs shows its clock on the lead's part alone.
                state.options.showClock =
                    run.options.clock &&
                    (run.eachMonitor || o->output.globalName == run.leadOutput);
                DrawFrame(state, platform);
                ShowFps(run, *o);
            }
        }
    });
}

void RunFrameLoop(WaylandFlightRun& run, const ScenePlatform& platform) {
    WaylandScreen& screen = run.screen;
    while (!EndAsked(run)) {
        if (!TendOutputs(run.screen)) {
            EndWith(run, run.screen.broken ? WaylandFlightEnd::kCompositorGone
                                           : WaylandFlightEnd::kSurfaceClosed);
            return;
        }
        if (EndAsked(run) || !PrepareOutputs(run, platform)) {
            return;
        }
        ChooseLead(run);
        const OutputFramePlan plan = PlanOutputFrames(OutputFrames(screen), NowMs());
        if (!plan.pass) {
            if (WaitOnce({screen.display, nullptr, StopDescriptor()}, kNoDeadline) ==
                WaitEnd::kBroken) {
                screen.broken = true;
            }
            continue;
        }
        run.drawing.clear();
        for (std::size_t i = 0; i < plan.draw.size(); ++i) {
            if (plan.draw[i]) {
                run.drawing.push_back(screen.outputs[i].get());
            }
        }
        UpdateViews(run);
        if (!RunOutputsPass(run, platform, static_cast<std::int64_t>(std::time(nullptr)))) {
            return;
        }
        // Input that came while the picture was drawn is seen before the next.
        if (WaitOnce({screen.display, nullptr, StopDescriptor()}, NowMs()) == WaitEnd::kBroken) {
            screen.broken = true;
        }
    }
}

// The scene set up on the lead's surface (one flight), or each output's flight on its own.
bool SetUpFlights(WaylandFlightRun& run, const ScenePlatform& platform) {
    ChooseLead(run);
    UpdateViews(run);
    if (run.eachMonitor) {
        // The photograph goes once every output's part of it is a texture: an output plugged in
        // later flies over the program's own ground.
        const bool ready = PrepareOutputs(run, platform);
        run.ground.image.reset();
        return ready;
    }
    CoveredOutput* lead = FindOutput(run.screen, run.leadOutput);
    if (lead == nullptr || !DrawOnOutput(run.screen, *lead)) {
        return false;
    }
    ShowOutput(run, *lead);
    return SetUpScene(run, AddFlight(run.set, run.options), *lead, platform,
                      TakeWholeGround(run.ground));
}

void Fly(WaylandFlightRun& run) {
    WaylandScreen& screen = run.screen;
    if (!BindWaylandGlobals(screen)) {
        EndWith(run, screen.broken ? WaylandFlightEnd::kCompositorGone
                                   : WaylandFlightEnd::kCouldNotStart);
        return;
    }
    if (std::none_of(screen.outputs.begin(), screen.outputs.end(),
                     [](const std::unique_ptr<CoveredOutput>& o) { return OutputInUse(*o); })) {
        std::fprintf(stderr, "altostrat: the Wayland desktop shows no output to fly on\n");
        EndWith(run, WaylandFlightEnd::kCouldNotStart);
        return;
    }
    run.ground = TakeDesktopGround(screen, run.options);
    if (EndAsked(run)) {
        return;
    }
    if (!OpenEgl(screen)) {
        EndWith(run, WaylandFlightEnd::kCouldNotStart);
        return;
    }
    const ScenePlatform platform = MakeWaylandPlatform(run);
    if (!CoverOutputs(screen) || !SetUpFlights(run, platform)) {
        EndWith(run, screen.broken ? WaylandFlightEnd::kCompositorGone
                                   : WaylandFlightEnd::kCouldNotStart);
        return;
    }
    RunFrameLoop(run, platform);
}

// Nothing of the flight left on any output: every surface destroyed, and the compositor has
// seen it before the caller goes on.
void TakeDown(WaylandFlightRun& run) {
    WaylandScreen& screen = run.screen;
    for (auto& o : screen.outputs) {
        UncoverOutput(screen, *o);
    }
    CloseEgl(screen);
    ReleaseWaylandGlobals(screen);
    if (!screen.broken) {
        Roundtrip({screen.display, nullptr, StopDescriptor()}, NowMs() + kCompositorAnswerMs);
    }
}

}  // namespace

WaylandFlightEnd RunWaylandFlight(wl_display* display, const HackOptions& options,
                                  const std::function<bool()>& endNow) {
    WaylandFlightRun run(display, options, endNow);
    Fly(run);
    TakeDown(run);
    return run.ended ? run.end : WaylandFlightEnd::kInput;
}

}  // namespace altostrat
