#include "linux_program/run/window_monitors.h"

#include <algorithm>

namespace altostrat {

std::vector<MonitorFlight> DecideWindowFlights(const std::vector<Monitor>& monitors,
                                               const ScreenRect& window) {
    std::vector<Monitor> covered;
    for (const Monitor& monitor : monitors) {
        Monitor part = monitor;
        part.bounds.left = std::max(monitor.bounds.left, window.left) - window.left;
        part.bounds.top = std::max(monitor.bounds.top, window.top) - window.top;
        part.bounds.right = std::min(monitor.bounds.right, window.right) - window.left;
        part.bounds.bottom = std::min(monitor.bounds.bottom, window.bottom) - window.top;
        if (part.bounds.Width() > 0 && part.bounds.Height() > 0) {
            covered.push_back(part);
        }
    }
    if (covered.size() < 2) {
        return {};
    }
    // The order (primary first) and the start places are the Windows program's; only the
    // slices differ, since the picture here is the window's, not the monitors' bounding box.
    std::vector<MonitorFlight> flights = DecideMonitorFlights(covered);
    for (MonitorFlight& flight : flights) {
        flight.slice.part = flight.window;
        flight.slice.wholeWidth = window.Width();
        flight.slice.wholeHeight = window.Height();
    }
    return flights;
}

}  // namespace altostrat
