#pragma once
// Each monitor its own flight, in the one window and the one GL context the program already
// has: one viewport and one RendererState per monitor, drawn one after the other and presented
// together with a single swap. The first monitor's flight leads: its pacer decides when steps
// fall due and when the picture is shown, and the others take the same steps and are drawn at
// the same fraction of a step (FollowLeadFlight), so every monitor moves at one even pace and
// nothing is presented twice per refresh. Each flight has its own textures, terrain and display
// list in the shared context; the fixed GL state (light, fog, the daylight's colours) is the
// same for all of them. The projection is set afresh for each viewport before it is drawn.

#include <cstdint>
#include <memory>
#include <vector>

#include "flight/display/monitor_flights.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"

namespace altostrat {

struct SeveralFlights {
    // monitors[i].window is flight i's viewport, in pixels from the window's top-left corner;
    // an empty one is not drawn (its monitor went when the screen changed).
    std::vector<MonitorFlight> monitors;
    std::vector<RendererState> states;  // one per monitor; states[0] leads
    int windowWidth = 0;
    int windowHeight = 0;
    bool layoutChanged = false;  // the old frames are cleared from the whole window once
};

// One fresh state per monitor of MONITORS, each starting from its own place.
void MakeSeveralFlights(SeveralFlights& flights, std::vector<MonitorFlight> monitors,
                        int windowWidth, int windowHeight);

// Each flight's part of GROUND (the picture laid over the whole window, rows bottom first), in
// the order of flights.monitors; all null for a null GROUND (each flies over the own ground).
std::vector<std::unique_ptr<RgbImage>> SliceGround(const SeveralFlights& flights,
                                                   std::unique_ptr<RgbImage> ground);

// Sets each flight's scene up in its own viewport, each with its own part of the ground and
// the built-in sky and glow; PLATFORM's other hooks are shared. False when any cannot be.
bool InitSeveralScenes(SeveralFlights& flights, const ScenePlatform& platform,
                       std::vector<std::unique_ptr<RgbImage>> grounds);

// The frame drawer for the lead's pass: every flight in its viewport, the followers caught up
// with the lead first, then the whole window's viewport again (for what is drawn over it).
// Flight i's steps get calendarSeconds plus i days, so that no two turn alike.
void DrawSeveralFlights(SeveralFlights& flights, const ScenePlatform& platform,
                        std::int64_t calendarSeconds);

// After a pass that drew nothing, the followers keep up with the lead.
void FollowTheLead(SeveralFlights& flights, std::int64_t calendarSeconds);

// The window changed size, or the monitors changed: flight i takes FRESH's viewport i; with
// fewer monitors now, the flights beyond them are no longer drawn, and with none covered the
// lead fills the window.
void RelayoutSeveralFlights(SeveralFlights& flights, const std::vector<MonitorFlight>& fresh,
                            int windowWidth, int windowHeight);

}  // namespace altostrat
