#include "flight/display/display_layout.h"

#include <algorithm>
#include <cstddef>

namespace altostrat {

std::size_t PrimaryIndex(const std::vector<Monitor>& monitors) {
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].primary) {
            return i;
        }
    }
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const ScreenRect& r = monitors[i].bounds;
        if (r.left <= 0 && r.top <= 0 && r.right > 0 && r.bottom > 0) {
            return i;
        }
    }
    return 0;
}

ScreenRect BoundingBox(const std::vector<Monitor>& monitors) {
    if (monitors.empty()) {
        return {};
    }
    ScreenRect box = monitors.front().bounds;
    for (const Monitor& monitor : monitors) {
        box.left = std::min(box.left, monitor.bounds.left);
        box.top = std::min(box.top, monitor.bounds.top);
        box.right = std::max(box.right, monitor.bounds.right);
        box.bottom = std::max(box.bottom, monitor.bounds.bottom);
    }
    return box;
}

DisplayLayout DecideDisplayLayout(const std::vector<Monitor>& monitors, bool acrossAllMonitors,
                                  bool switchSucceeded) {
    DisplayLayout layout;
    if (monitors.empty()) {
        layout.flightWindow = {0, 0, kSwitchedWidth, kSwitchedHeight};
        layout.lookAtX = kSwitchedWidth / 2.0;
        layout.lookAtY = kSwitchedHeight / 2.0;
        layout.primaryPart = {0, 0, kSwitchedWidth, kSwitchedHeight};
        return layout;
    }
    const std::size_t primary = PrimaryIndex(monitors);
    if (acrossAllMonitors) {
        // The glider at the primary's centre, never on the bezel between two monitors.
        layout.flightWindow = BoundingBox(monitors);
        const ScreenRect& p = monitors[primary].bounds;
        layout.lookAtX = (p.left + p.right) / 2.0 - layout.flightWindow.left;
        layout.lookAtY = (p.top + p.bottom) / 2.0 - layout.flightWindow.top;
        const ScreenRect& w = layout.flightWindow;
        layout.primaryPart = {p.left - w.left, p.top - w.top, p.right - w.left, p.bottom - w.top};
        return layout;
    }
    layout.flightWindow = monitors[primary].bounds;
    if (switchSucceeded) {
        layout.flightWindow.right = layout.flightWindow.left + kSwitchedWidth;
        layout.flightWindow.bottom = layout.flightWindow.top + kSwitchedHeight;
    }
    layout.lookAtX = layout.flightWindow.Width() / 2.0;
    layout.lookAtY = layout.flightWindow.Height() / 2.0;
    layout.primaryPart = {0, 0, layout.flightWindow.Width(), layout.flightWindow.Height()};
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (i != primary) {
            layout.covers.push_back(monitors[i].bounds);
        }
    }
    return layout;
}

}  // namespace altostrat
