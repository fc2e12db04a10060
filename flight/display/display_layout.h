#pragma once
// Where the flight goes on the user's monitors, and what covers the rest. A screen saver must
// not leave any monitor showing the desktop: whatever the flight does not fill is covered by a
// plain black window for as long as the flight runs.

#include <cstddef>
#include <vector>

#include "common/screen_rect.h"

namespace altostrat {

struct Monitor {
    ScreenRect bounds;
    bool primary = false;
};

struct DisplayLayout {
    ScreenRect flightWindow;         // the flight's borderless window; the projection's aspect
                                     // comes from its size
    std::vector<ScreenRect> covers;  // one plain black window each
    // Where in the flight window (pixels from its top-left corner) the camera's look-at point,
    // and so the aircraft, is seen: its centre, except across all monitors, where it is the
    // primary's centre.
    double lookAtX = 0.0;
    double lookAtY = 0.0;
    // The primary's part of the flight window, in pixels from the window's top-left corner: the
    // whole window, except across all monitors. What belongs to the primary alone (the clock)
    // goes there.
    ScreenRect primaryPart;
};

// The size the display is switched to for the flight, unless it flies across all monitors.
constexpr int kSwitchedWidth = 1024;
constexpr int kSwitchedHeight = 768;

// The primary among MONITORS: the one flagged so, else the one at the origin, else the first
// (0 for an empty list).
std::size_t PrimaryIndex(const std::vector<Monitor>& monitors);
// The smallest rectangle holding every monitor: the virtual screen. Empty for no monitors.
ScreenRect BoundingBox(const std::vector<Monitor>& monitors);

// MONITORS as they are once the mode switch has been tried: a switch changes the primary's size
// and may move the others, so they are listed afresh after it. Across all monitors (no switch is
// tried): one window over the bounding box of them all and no covers. Otherwise the flight
// fills the primary, every other monitor gets a cover. After a successful switch the primary
// shows 1024 x 768 from its top-left corner, whatever size a list read too early still gives
// it; after a refused one the flight fills the primary at its own resolution. A list without a
// primary takes the monitor at the origin, else the first; an empty list gives a 1024 x 768
// window at the origin.
DisplayLayout DecideDisplayLayout(const std::vector<Monitor>& monitors, bool acrossAllMonitors,
                                  bool switchSucceeded);

}  // namespace altostrat
