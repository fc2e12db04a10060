#pragma once
// Each monitor its own flight, in the one window and the one GL context the program already
// has: one viewport per monitor, each flight of the run's set (run/flight_set.h) drawn in its
// own one after the other, and all presented together with a single swap. Each flight has its
// own textures, terrain and display list in the shared context; the fixed GL state (light, fog,
// the daylight's colours) is the same for all of them. The projection is set afresh for each
// viewport before it is drawn.

#include <cstdint>
#include <memory>
#include <vector>

#include "flight/display/monitor_flights.h"
#include "flight/scene/scene_platform.h"
#include "linux_program/run/flight_set.h"

namespace altostrat {

struct MonitorViewports {
    // monitors[i].window is flight i's viewport, in pixels from the window's top-left corner;
    // an empty one is not drawn (its monitor went when the screen changed).
    std::vector<MonitorFlight> monitors;
    int windowWidth = 0;
    int windowHeight = 0;
    bool layoutChanged = false;  // the old frames are cleared from the whole window once
};

// The viewports of MONITORS in a WINDOW_WIDTH x WINDOW_HEIGHT window.
void LayOutViewports(MonitorViewports& viewports, std::vector<MonitorFlight> monitors,
                     int windowWidth, int windowHeight);

// Each viewport's part of GROUND (the picture laid over the whole window, rows bottom first), in
// the order of viewports.monitors; all null for a null GROUND (each flies over the own ground).
std::vector<std::unique_ptr<RgbImage>> SliceGround(const MonitorViewports& viewports,
                                                   std::unique_ptr<RgbImage> ground);

// Sets flight i's scene up in viewport i, each with its own part of the ground and the built-in
// sky and glow; PLATFORM's other hooks are shared. False when any cannot be.
bool InitViewportScenes(const MonitorViewports& viewports, FlightSet& set,
                        const ScenePlatform& platform,
                        std::vector<std::unique_ptr<RgbImage>> grounds);

// The frame drawer for the lead's pass: every flight in its viewport, each follower caught up
// with the lead first, then the whole window's viewport again (for what is drawn over it).
void DrawInViewports(MonitorViewports& viewports, FlightSet& set, const ScenePlatform& platform,
                     std::int64_t calendarSeconds);

// The window changed size, or the monitors changed: flight i takes FRESH's viewport i; with
// fewer monitors now, the flights beyond them are no longer drawn, and with none covered the
// lead fills the window.
void RelayoutViewports(MonitorViewports& viewports, const std::vector<MonitorFlight>& fresh,
                       int windowWidth, int windowHeight);

}  // namespace altostrat
