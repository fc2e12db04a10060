#include "flight/display/monitor_flights.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "flight/terrain/terrain.h"

namespace altostrat {
namespace {

// Scales a coordinate of a whole of size WHOLE to a picture of size PICTURE, rounding down.
int Scaled(int value, int whole, int picture) {
    return static_cast<int>(std::floor(static_cast<double>(value) * picture / whole));
}

}  // namespace

std::vector<MonitorFlight> DecideMonitorFlights(const std::vector<Monitor>& monitors) {
    if (monitors.empty()) {
        return {{{0, 0, kSwitchedWidth, kSwitchedHeight}, {}, 0}};
    }
    const ScreenRect box = BoundingBox(monitors);
    const std::size_t primary = PrimaryIndex(monitors);
    std::vector<std::size_t> order = {primary};
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (i != primary) {
            order.push_back(i);
        }
    }
    std::vector<MonitorFlight> flights;
    for (const std::size_t i : order) {
        const ScreenRect& r = monitors[i].bounds;
        MonitorFlight flight;
        flight.window = r;
        flight.slice.part = {r.left - box.left, r.top - box.top, r.right - box.left,
                             r.bottom - box.top};
        flight.slice.wholeWidth = box.Width();
        flight.slice.wholeHeight = box.Height();
        flight.flightIndex = static_cast<int>(flights.size());
        flights.push_back(flight);
    }
    return flights;
}

ScreenRect SliceInPicture(const PictureSlice& slice, int pictureWidth, int pictureHeight) {
    if (slice.wholeWidth <= 0 || slice.wholeHeight <= 0 || pictureWidth <= 0 ||
        pictureHeight <= 0) {
        return {0, 0, std::max(pictureWidth, 1), std::max(pictureHeight, 1)};
    }
    ScreenRect r = {Scaled(slice.part.left, slice.wholeWidth, pictureWidth),
                    Scaled(slice.part.top, slice.wholeHeight, pictureHeight),
                    Scaled(slice.part.right, slice.wholeWidth, pictureWidth),
                    Scaled(slice.part.bottom, slice.wholeHeight, pictureHeight)};
    r.left = std::clamp(r.left, 0, pictureWidth - 1);
    r.top = std::clamp(r.top, 0, pictureHeight - 1);
    r.right = std::clamp(r.right, r.left + 1, pictureWidth);
    r.bottom = std::clamp(r.bottom, r.top + 1, pictureHeight);
    return r;
}

RgbImage CutSlice(const RgbImage& picture, const PictureSlice& slice) {
    const ScreenRect r = SliceInPicture(slice, picture.width, picture.height);
    RgbImage part;
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height * 3) {
        return part;
    }
    part.width = r.Width();
    part.height = r.Height();
    part.pixels.reserve(static_cast<std::size_t>(part.width) * part.height * 3);
    // The picture's rows run bottom first, the slice's top down: the slice's bottom row is the
    // picture's row height - bottom.
    for (int row = picture.height - r.bottom; row < picture.height - r.top; ++row) {
        const auto first = picture.pixels.begin() +
                           (static_cast<std::ptrdiff_t>(row) * picture.width + r.left) * 3;
        part.pixels.insert(part.pixels.end(), first, first + part.width * 3);
    }
    return part;
}

FlightState FlightStartFor(int flightIndex) {
    FlightState flight;
    // A third of the terrain's period further on for each flight, and the golden angle between
    // headings, so that no two flights of a desk of a few monitors look alike.
    flight.flightX -= static_cast<float>((flightIndex * kTerrainPeriod / 3) % kTerrainPeriod);
    flight.heading = static_cast<float>(std::fmod(137.5 * flightIndex, 360.0));
    return flight;
}

}  // namespace altostrat
