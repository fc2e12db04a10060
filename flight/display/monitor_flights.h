#pragma once
// Every monitor its own flight. Each monitor shows a flight in a window of exactly its own size,
// over its own part of the desktop: the host photographs the whole virtual screen, whose
// top-left corner is the bounding box's, so a monitor's part of the picture is its rectangle
// taken relative to that corner (a monitor left of or above the primary has negative
// coordinates, and its part still starts at the picture's left or top edge). Each flight
// starts from a place of its own, so the monitors never show the same flight side by side.

#include <vector>

#include "common/screen_rect.h"
#include "flight/bitmap/dib_image.h"
#include "flight/display/display_layout.h"
#include "flight/motion/flight_model.h"

namespace altostrat {

// A part of a picture: PART in the pixels of a whole WHOLE_WIDTH x WHOLE_HEIGHT (top-left
// origin). An empty whole means the whole picture.
struct PictureSlice {
    ScreenRect part;
    int wholeWidth = 0;
    int wholeHeight = 0;
};

struct MonitorFlight {
    ScreenRect window;    // the flight's window: the monitor, in virtual-screen pixels
    PictureSlice slice;   // its part of the photograph of the whole virtual screen
    int flightIndex = 0;  // 0 for the primary, then the others in the order listed
};

// One flight per monitor, the primary's first (it takes the foreground and the keyboard). A
// list without a primary takes the monitor at the origin, as DecideDisplayLayout does; an empty
// list gives one 1024 x 768 flight at the origin over the whole picture.
std::vector<MonitorFlight> DecideMonitorFlights(const std::vector<Monitor>& monitors);

// SLICE in the pixels of a picture PICTURE_WIDTH x PICTURE_HEIGHT. A photograph the size of the
// whole gives the part as it is; one of another size (a photograph of the primary alone, a
// scaled one) gives the part scaled to it, so the flight still shows the right share of the
// land. Always inside the picture and at least one pixel each way.
ScreenRect SliceInPicture(const PictureSlice& slice, int pictureWidth, int pictureHeight);

// The part of PICTURE (rows bottom first) that SLICE names, as SliceInPicture places it.
RgbImage CutSlice(const RgbImage& picture, const PictureSlice& slice);

// Where flight FLIGHT_INDEX starts: flight 0 where a single flight always starts, the others
// spread through the terrain's period and headed each its own way.
FlightState FlightStartFor(int flightIndex);

}  // namespace altostrat
