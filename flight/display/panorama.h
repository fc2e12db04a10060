#pragma once
// One flight across several outputs, each a window of its own (a Wayland compositor gives each
// output its own surface): every output shows its part of one view from one camera, so the
// horizon runs on from one output to the next as through a row of windows side by side.
//
// The camera's axis passes through the centre of one output, the lead, where the aircraft is
// therefore seen: never on a seam. The lead's own view is exactly a single flight's (45 degrees
// vertically over its height), and every other output continues that view at the same angle per
// logical pixel. So an output plugged in or taken away changes nothing on the others, and
// outputs of different sizes or scales still meet without a step; only a new lead moves the view.

#include <cstddef>
#include <vector>

#include "common/screen_rect.h"

namespace altostrat {

// The part of the view an output shows, as the window it cuts from the plane in front of the
// camera, in units of half the lead's height on that plane: the lead's own is
// {-aspect, aspect, -1, 1}. Right and top are positive, as glFrustum takes them.
struct ViewWindow {
    double left = -1.0;
    double right = 1.0;
    double bottom = -1.0;
    double top = 1.0;
};

// The lead: FOCUSED (the output the compositor gives the keyboard to, -1 when it told none)
// while it is one of OUTPUTS and not empty, else the first output that is not empty, else 0.
std::size_t PanoramaLead(const std::vector<ScreenRect>& outputs, int focused);

// Each output's window of the one view, in the order of OUTPUTS (the outputs' rectangles in the
// compositor's logical coordinates), the camera's axis through the centre of OUTPUTS[LEAD]. An
// empty output gets the lead's window; an empty lead gives every output the lead's window of a
// 4:3 output.
std::vector<ViewWindow> PanoramaViews(const std::vector<ScreenRect>& outputs, std::size_t lead);

}  // namespace altostrat
