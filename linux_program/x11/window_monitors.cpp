#include "linux_program/x11/window_monitors.h"

#include <algorithm>
#include <cstddef>

namespace altostrat {
namespace {

bool Contains(const ScreenRect& outer, const ScreenRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// PARTS without those within another; of equal ones the first listed stays. The primary, when
// left out, hands its role to the first one kept that holds it.
std::vector<Monitor> DistinctParts(const std::vector<Monitor>& parts) {
    std::vector<Monitor> kept;
    const Monitor* primaryLeftOut = nullptr;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        bool within = false;
        for (std::size_t j = 0; j < parts.size() && !within; ++j) {
            within = j != i && Contains(parts[j].bounds, parts[i].bounds) &&
                     (j < i || !(parts[j].bounds == parts[i].bounds));
        }
        if (!within) {
            kept.push_back(parts[i]);
        } else if (parts[i].primary && primaryLeftOut == nullptr) {
            primaryLeftOut = &parts[i];
        }
    }
    for (Monitor& monitor : kept) {
        if (primaryLeftOut != nullptr && Contains(monitor.bounds, primaryLeftOut->bounds)) {
            monitor.primary = true;
            break;
        }
    }
    return kept;
}

}  // namespace

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
    covered = DistinctParts(covered);
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

bool FlightsLeaveGaps(const std::vector<MonitorFlight>& flights, int width, int height) {
    // The window cut along every flight's edges: each piece is inside a flight's window or
    // outside all of them.
    std::vector<int> xs = {0, width};
    std::vector<int> ys = {0, height};
    for (const MonitorFlight& flight : flights) {
        const ScreenRect& r = flight.window;
        xs.push_back(std::clamp(r.left, 0, width));
        xs.push_back(std::clamp(r.right, 0, width));
        ys.push_back(std::clamp(r.top, 0, height));
        ys.push_back(std::clamp(r.bottom, 0, height));
    }
    for (std::vector<int>* edges : {&xs, &ys}) {
        std::sort(edges->begin(), edges->end());
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    for (std::size_t a = 0; a + 1 < xs.size(); ++a) {
        for (std::size_t b = 0; b + 1 < ys.size(); ++b) {
            const ScreenRect piece{xs[a], ys[b], xs[a + 1], ys[b + 1]};
            const bool covered =
                std::any_of(flights.begin(), flights.end(), [&piece](const MonitorFlight& f) {
                    return f.window.Width() > 0 && f.window.Height() > 0 &&
                           Contains(f.window, piece);
                });
            if (!covered) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace altostrat
