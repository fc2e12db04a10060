#include "flight/display/display_layout.h"

#include <algorithm>
#include <cstddef>

namespace altostrat {
namespace {

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
    ScreenRect box = monitors.front().bounds;
    for (const Monitor& monitor : monitors) {
        box.left = std::min(box.left, monitor.bounds.left);
        box.top = std::min(box.top, monitor.bounds.top);
        box.right = std::max(box.right, monitor.bounds.right);
        box.bottom = std::max(box.bottom, monitor.bounds.bottom);
    }
    return box;
}

}  // namespace

DisplayLayout DecideDisplayLayout(const std::vector<Monitor>& monitors, bool acrossAllMonitors,
                                  bool switchSucceeded) {
    DisplayLayout layout;
    if (monitors.empty()) {
        layout.flightWindow = {0, 0, kSwitchedWidth, kSwitchedHeight};
        return layout;
    }
    if (acrossAllMonitors) {
        layout.flightWindow = BoundingBox(monitors);
        return layout;
    }
    const std::size_t primary = PrimaryIndex(monitors);
    layout.flightWindow = monitors[primary].bounds;
    if (switchSucceeded) {
        layout.flightWindow.right = layout.flightWindow.left + kSwitchedWidth;
        layout.flightWindow.bottom = layout.flightWindow.top + kSwitchedHeight;
    }
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (i != primary) {
            layout.covers.push_back(monitors[i].bounds);
        }
    }
    return layout;
}

}  // namespace altostrat
