#pragma once
// Each monitor its own flight, in one window. The flight's window (the whole screen standalone,
// the root window, or a window given by xscreensaver) may cover several monitors: each monitor
// it covers gets a flight of its own, drawn in that monitor's part of the window at that part's
// own size and aspect, over the same part of the picture laid over the window. A monitor the
// window covers only partly gets the part covered; one it does not reach gets nothing, so a
// window on a single monitor (xscreensaver's preview, say) flies one flight as without the
// option.
//
// X lists a mirrored monitor as a head of its own over the same pixels (a laptop mirrored to a
// projector: two heads of one rectangle, or the smaller one in the corner of the larger). Such
// a head adds no place to draw, only a second flight drawn over the first at twice the work: a
// head whose part of the window lies within another's is left out, and the one that holds it
// flies, also as the primary when it held the primary. Heads that only overlap both fly, so
// the window's parts may overlap: whether they leave any of it uncovered is a question of their
// union, not of their areas' sum.

#include <vector>

#include "common/screen_rect.h"
#include "flight/display/display_layout.h"
#include "flight/display/monitor_flights.h"

namespace altostrat {

// The flights for a window WINDOW (in the same root coordinates as MONITORS) of the monitors it
// covers, the primary's first: each flight's window is its part of WINDOW in pixels from the
// window's top-left corner, and its slice is that same part of a picture the size of the
// window. Fewer than two distinct monitors covered gives no flights: the window flies one
// flight.
std::vector<MonitorFlight> DecideWindowFlights(const std::vector<Monitor>& monitors,
                                               const ScreenRect& window);

// Whether some of a WIDTH x HEIGHT window lies outside every flight's window.
bool FlightsLeaveGaps(const std::vector<MonitorFlight>& flights, int width, int height);

}  // namespace altostrat
