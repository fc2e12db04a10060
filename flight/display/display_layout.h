#pragma once
// Where the flight goes on the user's monitors, and what covers the rest. A screen saver must
// not leave any monitor showing the desktop: whatever the flight does not fill is covered by a
// plain black window for as long as the flight runs.

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
};

// The size the display is switched to for the flight, unless it flies across all monitors.
constexpr int kSwitchedWidth = 1024;
constexpr int kSwitchedHeight = 768;

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
