#pragma once
// The monitors of the X display, as xscreensaver's own hacks and its lock find them: the
// Xinerama heads, which every X server with several monitors offers (RandR's CRTCs show up as
// Xinerama heads too), the first head being the primary. A server without Xinerama, or with
// it turned off, gives no list: one flight then fills the window.

#include <X11/Xlib.h>

#include <vector>

#include "common/screen_rect.h"
#include "flight/display/display_layout.h"

namespace altostrat {

// The monitors in root-window coordinates; empty when the server reports none.
std::vector<Monitor> ListXMonitors(Display* display);

// WINDOW's rectangle in its root window's coordinates; empty when it cannot be read.
ScreenRect WindowOnRoot(Display* display, Window window);

}  // namespace altostrat
