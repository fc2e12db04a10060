// Two monitors, a 1024 x 768 primary and an 800 x 600 monitor beside it, drawn on the software
// renderer: one flight spanning both (one 1824 x 768 picture, the glider at the primary's
// centre) against each monitor flying its own flight (two pictures, 1024 x 768 and 800 x 600,
// each with its own terrain, sky and glider). Both are drawn into one offscreen buffer the
// size of the virtual screen, each flight clipped to its monitor, so the two differ only in
// what the flights draw. The renderer draws the two flights on two threads, each presenting
// on its own monitor; here they are drawn one after the other, so the figure is the work of
// both, the time one processor spends on them.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "benchmarks/bench_captures.h"
#include "common/agreement.h"
#include "flight/display/monitor_flights.h"
#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "tools/offscreen/offscreen_context.h"
#include "tools/offscreen/offscreen_scene_platform.h"

namespace altostrat {
namespace {

constexpr int kVirtualWidth = 1824;
constexpr int kVirtualHeight = 768;
const std::vector<Monitor> kMonitors = {{{0, 0, 1024, 768}, true}, {{1024, 0, 1824, 600}, false}};

// The capture folder the set-up reads.
struct Captures : BenchCaptures {
    Captures() : BenchCaptures(kVirtualWidth, kVirtualHeight) {}
};

// GL counts rows from the bottom of the virtual screen's buffer.
void ClipTo(const ScreenRect& r) {
    glViewport(r.left, kVirtualHeight - r.bottom, r.Width(), r.Height());
    glScissor(r.left, kVirtualHeight - r.bottom, r.Width(), r.Height());
}

void BM_OneFlightAcrossBoth(benchmark::State& bench) {
    OffscreenContext context(kVirtualWidth, kVirtualHeight);
    Captures captures;
    const ScenePlatform platform = OffscreenScenePlatform(nullptr);
    const DisplayLayout layout = DecideDisplayLayout(kMonitors, true, false);
    ResizeScene(kVirtualWidth, kVirtualHeight, layout.lookAtX, layout.lookAtY);
    RendererState state;
    state.captureFolder = captures.dir.string() + "/";
    InitScene(state, platform);
    for (auto _ : bench) {
        RunFrameStep(state, platform, true, 1700000000);
        glFinish();
    }
}
BENCHMARK(BM_OneFlightAcrossBoth)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EachMonitorItsOwnFlight(benchmark::State& bench) {
    OffscreenContext context(kVirtualWidth, kVirtualHeight);
    Captures captures;
    const ScenePlatform platform = OffscreenScenePlatform(nullptr);
    const std::vector<MonitorFlight> monitors = DecideMonitorFlights(kMonitors);
    std::vector<std::unique_ptr<RendererState>> states;
    glEnable(GL_SCISSOR_TEST);
    for (const MonitorFlight& monitor : monitors) {
        ResizeScene(monitor.window.Width(), monitor.window.Height());
        ClipTo(monitor.window);
        auto state = std::make_unique<RendererState>();
        state->captureFolder = captures.dir.string() + "/";
        state->groundSlice = monitor.slice;
        state->flight = FlightStartFor(monitor.flightIndex);
        InitScene(*state, platform);
        states.push_back(std::move(state));
    }
    for (auto _ : bench) {
        for (std::size_t i = 0; i < monitors.size(); ++i) {
            ResizeScene(monitors[i].window.Width(), monitors[i].window.Height());
            ClipTo(monitors[i].window);
            RunFrameStep(*states[i], platform, true, 1700000000 + 86400 * monitors[i].flightIndex);
        }
        glFinish();
    }
}
BENCHMARK(BM_EachMonitorItsOwnFlight)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace altostrat
