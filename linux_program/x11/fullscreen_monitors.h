#pragma once
// Which monitors a managed full-screen window spans. A window manager sizes a full-screen window
// to one monitor, unless the window names four monitors by their Xinerama indices
// (_NET_WM_FULLSCREEN_MONITORS: the one whose top edge is its top, then bottom, left and right);
// it then covers the rectangle those edges bound. Naming for each edge the monitor that reaches
// furthest that way makes it every monitor's bounding rectangle, so one panorama covers them all
// (on GNOME through XWayland, the top bar too). A part of that rectangle no monitor shows (below
// a smaller monitor beside a larger one) is drawn and never seen.

#include <vector>

#include "common/screen_rect.h"

namespace altostrat {

struct FullScreenMonitors {
    long top = 0;
    long bottom = 0;
    long left = 0;
    long right = 0;
};

// HEADS in Xinerama's order; at least two, else nothing to span (false).
bool SpanAllMonitors(const std::vector<ScreenRect>& heads, FullScreenMonitors& span);

}  // namespace altostrat
